// The window toolkit's classes as a program's class list takes them.
#include "java/awt/class_list.h"

#include "com/sun/kjava/Database.h"
#include "de/kawt/impl/AbstractRecordStore.h"
#include "de/kawt/impl/Laf.h"
#include "de/kawt/impl/kjava/FontMetricsImpl.h"
#include "de/kawt/impl/kjava/GifLoader.h"
#include "de/kawt/impl/kjava/GraphicsImpl.h"
#include "de/kawt/impl/kjava/ImageImpl.h"
#include "de/kawt/impl/kjava/LafImpl.h"
#include "de/kawt/impl/kjava/RecordStoreImpl.h"
#include "de/kawt/impl/kjava/SpotletImpl.h"
#include "de/kawt/impl/kjava/ToolkitImpl.h"
#include "java/awt/AWTEvent.h"
#include "java/awt/BorderLayout.h"
#include "java/awt/Button.h"
#include "java/awt/Checkbox.h"
#include "java/awt/CheckboxGroup.h"
#include "java/awt/Choice.h"
#include "java/awt/Color.h"
#include "java/awt/Component.h"
#include "java/awt/Container.h"
#include "java/awt/Dialog.h"
#include "java/awt/Dimension.h"
#include "java/awt/EventQueue.h"
#include "java/awt/FlowLayout.h"
#include "java/awt/Font.h"
#include "java/awt/FontMetrics.h"
#include "java/awt/Frame.h"
#include "java/awt/Graphics.h"
#include "java/awt/Image.h"
#include "java/awt/Insets.h"
#include "java/awt/KawtThread.h"
#include "java/awt/LayoutManager.h"
#include "java/awt/List.h"
#include "java/awt/Menu.h"
#include "java/awt/MenuBar.h"
#include "java/awt/MenuBarComponent.h"
#include "java/awt/MenuItem.h"
#include "java/awt/Panel.h"
#include "java/awt/Point.h"
#include "java/awt/Rectangle.h"
#include "java/awt/ScrollManager.h"
#include "java/awt/ScrollPane.h"
#include "java/awt/Scrollbar.h"
#include "java/awt/SystemColor.h"
#include "java/awt/Toolkit.h"
#include "java/awt/TooManyListenersException.h"
#include "java/awt/Window.h"
#include "java/awt/event/ActionEvent.h"
#include "java/awt/event/ActionListener.h"
#include "java/awt/event/AdjustmentEvent.h"
#include "java/awt/event/AdjustmentListener.h"
#include "java/awt/event/FocusEvent.h"
#include "java/awt/event/InputEvent.h"
#include "java/awt/event/ItemEvent.h"
#include "java/awt/event/ItemListener.h"
#include "java/awt/event/KeyEvent.h"
#include "java/awt/event/KeyListener.h"
#include "java/awt/event/MouseEvent.h"
#include "java/awt/event/MouseListener.h"
#include "java/awt/event/MouseMotionListener.h"
#include "java/awt/event/WindowAdapter.h"
#include "java/awt/event/WindowListener.h"
#include "java/awt/image/ColorModel.h"
#include "java/util/EventObject.h"
#include "javax/microedition/rms/InvalidRecordIDException.h"
#include "javax/microedition/rms/RecordStoreFullException.h"
#include "javax/microedition/rms/RecordStoreNotOpenException.h"

namespace jae = java::awt::event;
namespace kj = de::kawt::impl::kjava;
namespace rms = javax::microedition::rms;

static ClassDecl shortArray = rt_array_class("[S");  // palm bitmap data

// The Toolkit's class initialiser finds its implementation classes by name and initialises
// them as it goes, so they may come after it.
std::vector<ClassDecl*> toolkit_classes() {
  return {
      // events and listeners
      &java::util::EventObject::klass,
      &java::awt::AWTEvent::klass,
      &jae::InputEvent::klass,
      &jae::KeyEvent::klass,
      &jae::MouseEvent::klass,
      &jae::FocusEvent::klass,
      &jae::ActionEvent::klass,
      &jae::ItemEvent::klass,
      &jae::AdjustmentEvent::klass,
      &jae::MouseListener::klass,
      &jae::MouseMotionListener::klass,
      &jae::KeyListener::klass,
      &jae::ActionListener::klass,
      &jae::ItemListener::klass,
      &jae::AdjustmentListener::klass,
      &jae::WindowListener::klass,
      &jae::WindowAdapter::klass,
      &java::awt::TooManyListenersException::klass,
      // values, colours, fonts, drawing
      &java::awt::Insets::klass,
      &java::awt::Dimension::klass,
      &java::awt::Point::klass,
      &java::awt::Rectangle::klass,
      &java::awt::Color::klass,
      &java::awt::SystemColor::klass,
      &java::awt::Font::klass,
      &java::awt::FontMetrics::klass,
      &java::awt::Graphics::klass,
      &de::kawt::impl::Laf::klass,
      // components and layouts
      &java::awt::LayoutManager::klass,
      &java::awt::FlowLayout::klass,
      &java::awt::BorderLayout::klass,
      &java::awt::Component::klass,
      &java::awt::Container::klass,
      &java::awt::Panel::klass,
      &java::awt::Window::klass,
      &java::awt::Frame::klass,
      &java::awt::Dialog::klass,
      // widgets (after Component/Container/Window, before the toolkit)
      &java::awt::Button::klass,
      &java::awt::Checkbox::klass,
      &java::awt::CheckboxGroup::klass,
      &java::awt::Scrollbar::klass,
      &java::awt::ScrollManager::klass,
      &java::awt::ScrollPane::klass,
      &java::awt::List::klass,
      &java::awt::Choice::klass,
      &java::awt::MenuItem::klass,
      &java::awt::Menu::klass,
      &java::awt::MenuBar::klass,
      &java::awt::MenuBarComponent::klass,
      // dispatch and the toolkit
      &java::awt::EventQueue::klass,
      &java::awt::KawtThread::klass,
      &java::awt::Toolkit::klass,
      // the palm implementation package
      &kj::LafImpl::klass,
      &kj::FontMetricsImpl::klass,
      &kj::GraphicsImpl::klass,
      &kj::SpotletImpl::klass,
      &kj::ToolkitImpl::klass,
      // images and record stores
      &shortArray,
      &java::awt::Image::klass,
      &java::awt::image::ColorModel::klass,
      &kj::ImageImpl::klass,
      &kj::GifLoader::klass,
      &com::sun::kjava::Database::klass,
      &rms::RecordStore::klass,
      &rms::RecordStoreException::klass,
      &rms::RecordStoreNotOpenException::klass,
      &rms::RecordStoreFullException::klass,
      &rms::InvalidRecordIDException::klass,
      &de::kawt::impl::AbstractRecordStore::klass,
      &kj::RecordStoreImpl::klass,
  };
}
