// ImageImpl's palm bitmap data: the eight header words and rows packed from the most
// significant bit, as the bitmap drawing native reads them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "class_lists.h"
#include "com/sun/kjava/Bitmap.h"
#include "de/kawt/impl/kjava/ImageImpl.h"
#include "java/awt/Image.h"
#include "program.h"

using de::kawt::impl::kjava::ImageImpl;

namespace {

ClassDecl shortArray = rt_array_class("[S");

void run(const std::function<void()>& body) {
  std::vector<ClassDecl*> list = runtime_classes();
  list.insert(list.end(), {&shortArray, &com::sun::kjava::Bitmap::klass, &java::awt::Image::klass,
                           &ImageImpl::klass});
  host_log.fatalThrows = true;
  run_initialised_program(list, body);
}

std::vector<int> words(Ref img) {
  Ref data = ImageImpl::f(img).data;
  std::vector<int> w;
  for (jint i = 0; i < alen(data); i++) w.push_back(rt_array_load16u(data, i));
  return w;
}

Ref pixels(const std::vector<int>& v) {
  Ref a = new_byte_array(static_cast<jint>(v.size()));
  for (size_t i = 0; i < v.size(); i++) rt_array_store8(a, static_cast<jint>(i), v[i]);
  return a;
}

TEST(ImageData, HeaderAndPackedRows) {
  struct Case {
    jint width, depth;
    std::vector<int> row;  // pixel values set at x = 0 of row 1
    std::vector<int> data;
  };
  const Case cases[] = {
      {5, 1, {1, 0, 1, 1, 0}, {5, 2, 2, 0, 0x101, 0, 0, 0, 0, 0xB000}},
      {5, 4, {1, 2, 3, 4, 0x1F}, {5, 2, 4, 0, 0x401, 0, 0, 0, 0, 0, 0x1234, 0xF000}},
      {3, 8, {0x12, 0xAB, 7}, {3, 2, 4, 0, 0x801, 0, 0, 0, 0, 0, 0x12AB, 0x0700}},
      {17, 1, std::vector<int>(17, 1), {17, 2, 4, 0, 0x101, 0, 0, 0, 0, 0, 0xFFFF, 0x8000}},
  };
  run([&] {
    for (const Case& c : cases) {
      Ref volatile img = jnew<ImageImpl>(c.width, 2, c.depth);
      ImageImpl::setPixels(img, 0, 1, pixels(c.row), 0, static_cast<jint>(c.row.size()));
      EXPECT_EQ(words(img), c.data) << "depth " << c.depth;
      EXPECT_EQ(vcall(java::awt::Image::m_getWidth, img, nullptr), c.width);
      EXPECT_EQ(vcall(java::awt::Image::m_getHeight, img, nullptr), 2);
      EXPECT_EQ(com::sun::kjava::Bitmap::f(ImageImpl::f(img).bitmap).data, ImageImpl::f(img).data);
    }
  });
}

// A row set in parts keeps its other pixels; what falls outside the image is dropped.
TEST(ImageData, PartsOfRowsAndClipping) {
  run([] {
    Ref volatile img = jnew<ImageImpl>(20, 1, 1);
    ImageImpl::setPixels(img, 14, 0, pixels({1, 1, 1, 1, 1, 1, 1, 1}), 0, 8);
    ImageImpl::setPixels(img, 0, 0, pixels({1}), 0, 1);
    ImageImpl::setPixels(img, -3, 0, pixels({1, 1, 1, 0}), 0, 4);  // only x = 0 lands
    ImageImpl::setPixels(img, 0, 1, pixels({1}), 0, 1);            // no row 1
    ImageImpl::setPixels(img, 0, -1, pixels({1}), 0, 1);
    EXPECT_EQ(words(img), (std::vector<int>{20, 1, 4, 0, 0x101, 0, 0, 0, 0x0003, 0xF000}));
  });
}

// Depth 2 has a header but no pixels (gifdecode's depth_two case); depth 0, 17 or -1 no image.
TEST(ImageData, DepthsOtherThanOneFourEightAreUnsupported) {
  run([] {
    Ref volatile img = jnew<ImageImpl>(4, 1, 2);
    EXPECT_EQ(words(img), (std::vector<int>{4, 1, 2, 0, 0x201, 0, 0, 0, 0}));
    for (jint depth : {0, 17, -1})
      EXPECT_EQ(catch_java([&] { jnew<ImageImpl>(4, 1, depth); }).message,
                "depth currently unsupported!");
  });
}

}  // namespace
