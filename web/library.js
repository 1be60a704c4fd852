// The page side of the web display (platform/display_web.cpp): the canvas, input queued
// for the program to take, sleeps that give the browser its turn, and storage syncs.
mergeInto(LibraryManager.library, {
  $Palm: {
    queue: [],
    wake: null,
    canvas: null,
    context: null,
    image: null,
    width: 0,
    height: 0,
    ctrl: false,
    scale: 1,

    // Input for the program: [kind, a, b, c]; kind 1 mouse (message, x, y, held),
    // 2 key (message, code, control held), 3 close, 4 wheel (notches, positive away).
    post: function(event) {
      if (Palm.log) Palm.log.push(event);  // a test driver's record of the input
      Palm.queue.push(event);
      if (Palm.wake) Palm.wake(1);
    },

    // The canvas's own pixels under a page point; the CSS box is a whole multiple of them.
    toPixel: function(e) {
      var r = Palm.canvas.getBoundingClientRect();
      return [Math.floor((e.clientX - r.left) * Palm.width / r.width),
              Math.floor((e.clientY - r.top) * Palm.height / r.height)];
    },

    // Whole device pixels per window pixel: ?scale=N, or the largest that fits; a page
    // narrower than twice the window (a phone held upright) is filled across.
    layout: function() {
      var c = Palm.canvas;
      if (!c || !Palm.width) return;
      var dpr = window.devicePixelRatio || 1;
      var box = c.parentElement.getBoundingClientRect();
      var availW = Math.max(1, box.width || window.innerWidth);
      var availH = Math.max(1, window.innerHeight - (box.top > 0 ? box.top : 0) - 8);
      var k;
      if (Palm.scale > 0) {
        k = Palm.scale * dpr;
      } else {
        k = Math.max(1, Math.floor(Math.min(availW * dpr / Palm.width, availH * dpr / Palm.height)));
      }
      var w = k * Palm.width / dpr;
      if (Palm.scale <= 0 && availW < 2 * Palm.width && availW > w) w = availW;
      c.style.width = w + 'px';
      c.style.height = (w * Palm.height / Palm.width) + 'px';
      Palm.shown = Math.max(1, Math.round(w * dpr / Palm.width));
    },

    keyCodes: {
      'ArrowLeft': 0x25, 'ArrowUp': 0x26, 'ArrowRight': 0x27, 'ArrowDown': 0x28,
      'Enter': 0x0D, 'Escape': 0x1B, 'Backspace': 0x08, 'Tab': 0x09,
      'F12': 0x7B, 'PrintScreen': 0x2C, 'PageUp': 0x21, 'PageDown': 0x22,
      'Home': 0x24, 'F1': 0x70, 'ContextMenu': 0x5D
    },

    listen: function() {
      var c = Palm.canvas;
      var down = false;
      var mouse = function(message, e) {
        var p = Palm.toPixel(e);
        Palm.post([1, message, p[0], p[1], down ? 1 : 0]);
      };
      c.addEventListener('pointerdown', function(e) {
        if (!e.isPrimary || e.button !== 0) return;
        e.preventDefault();
        c.focus();
        try { c.setPointerCapture(e.pointerId); } catch (err) {}
        down = true;
        mouse(0x201, e);
      });
      c.addEventListener('pointermove', function(e) {
        if (!e.isPrimary) return;
        if (down) e.preventDefault();
        mouse(0x200, e);
      });
      var up = function(e) {
        if (!e.isPrimary || !down) return;
        e.preventDefault();
        down = false;
        mouse(0x202, e);
      };
      c.addEventListener('pointerup', up);
      c.addEventListener('pointercancel', up);
      // The pen never scrolls, zooms or opens a menu.
      c.addEventListener('touchstart', function(e) { e.preventDefault(); }, {passive: false});
      c.addEventListener('touchmove', function(e) { e.preventDefault(); }, {passive: false});
      c.addEventListener('contextmenu', function(e) { e.preventDefault(); });
      c.addEventListener('wheel', function(e) {
        e.preventDefault();
        if (e.deltaY) Palm.post([4, e.deltaY < 0 ? 1 : -1]);
      }, {passive: false});
      window.addEventListener('keydown', function(e) {
        Palm.ctrl = e.ctrlKey;
        if (e.key === 'F11') {
          e.preventDefault();
          Palm.fullScreen();
          return;
        }
        var code = Palm.keyCodes[e.key];
        if (code) {
          e.preventDefault();
          Palm.post([2, 0x100, code, e.ctrlKey ? 1 : 0]);  // Enter, Escape, ...: translated
          return;
        }
        if (e.key.length === 0 || e.metaKey || e.altKey) return;
        var ch = e.key.codePointAt(0);
        if (e.key.length > 2 || (e.key.length === 2 && ch < 0x10000)) return;  // a named key
        e.preventDefault();
        var upper = e.key.toUpperCase();
        if (upper.length === 1 && upper >= 'A' && upper <= 'Z')
          Palm.post([2, 0x100, upper.charCodeAt(0), e.ctrlKey ? 1 : 0]);
        if (e.ctrlKey) return;
        for (var i = 0; i < e.key.length; i++) Palm.post([2, 0x102, e.key.charCodeAt(i), 0]);
      });
      window.addEventListener('keyup', function(e) { Palm.ctrl = e.ctrlKey; });
      window.addEventListener('resize', Palm.layout);
    },

    fullScreen: function() {
      var box = Palm.canvas.parentElement;
      if (document.fullscreenElement) {
        document.exitFullscreen();
      } else if (box.requestFullscreen) {
        box.requestFullscreen().catch(function() {});
      }
    }
  },

  palm_web_open__deps: ['$Palm'],
  palm_web_open: function(width, height, scale) {
    Palm.canvas = document.getElementById('screen');
    Palm.canvas.width = width;
    Palm.canvas.height = height;
    Palm.width = width;
    Palm.height = height;
    Palm.scale = scale;
    Palm.context = Palm.canvas.getContext('2d');
    Palm.image = Palm.context.createImageData(width, height);
    Palm.layout();
    Palm.listen();
    if (Module.onOpen) Module.onOpen();
  },

  palm_web_scale__deps: ['$Palm'],
  palm_web_scale: function(scale) {
    Palm.scale = scale;
    Palm.layout();
  },

  palm_web_shown__deps: ['$Palm'],
  palm_web_shown: function() { return Palm.shown || 1; },

  palm_web_present__deps: ['$Palm'],
  palm_web_present: function(rgba) {
    if (!Palm.context) return;
    var n = Palm.width * Palm.height * 4;
    Palm.image.data.set(HEAPU8.subarray(rgba, rgba + n));
    Palm.context.putImageData(Palm.image, 0, 0);
    if (!Palm.firstFrame) {
      Palm.firstFrame = performance.now();
      if (Module.onFirstFrame) Module.onFirstFrame(Palm.firstFrame);
    }
    Module.frames = (Module.frames || 0) + 1;
    Module.lastPresent = performance.now();
  },

  // Takes the next input into out[0..4]; 0 when there is none.
  palm_web_take__deps: ['$Palm'],
  palm_web_take: function(out) {
    var e = Palm.queue.shift();
    if (!e) return 0;
    for (var i = 0; i < 5; i++) HEAP32[(out >> 2) + i] = e[i + 1] || 0;
    return e[0];
  },

  palm_web_ctrl__deps: ['$Palm'],
  palm_web_ctrl: function() { return Palm.ctrl ? 1 : 0; },

  palm_web_screen: function(w, h) {
    HEAP32[w >> 2] = window.screen ? window.screen.width : window.innerWidth;
    HEAP32[h >> 2] = window.screen ? window.screen.height : window.innerHeight;
  },

  // Sleeps until input arrives or ms have passed (0: only gives the browser its turn);
  // 1 when input is waiting.
  palm_web_wait__deps: ['$Palm'],
  palm_web_wait: function(ms) {
    // Called again as the stack is wound up after the sleep: then it must end the sleep.
    if (Asyncify.state === Asyncify.State.Normal && Palm.queue.length) return 1;
    return Asyncify.handleSleep(function(wakeUp) {
      var timer = null, port = null;
      var done = function(v) {
        if (!Palm.wake) return;
        Palm.wake = null;
        if (timer !== null) clearTimeout(timer);
        if (port) port.close();
        wakeUp(v);
      };
      Palm.wake = done;
      if (ms <= 0) {
        // A message is delivered after rendering and input, without a timer's clamping.
        var ch = new MessageChannel();
        port = ch.port1;
        ch.port1.onmessage = function() { done(Palm.queue.length ? 1 : 0); };
        ch.port2.postMessage(0);
      } else {
        timer = setTimeout(function() { done(Palm.queue.length ? 1 : 0); }, ms);
      }
    });
  },

  palm_web_message: function(text, caption) {
    var t = UTF8ToString(caption) + ': ' + UTF8ToString(text);
    if (Module.onMessage) Module.onMessage(t);
  },

  // Unwinds the running thread's call stack, so that its wasm locals lie in its save area,
  // gives the save area's range to func and winds the stack up again. As
  // emscripten_scan_registers does, but from a microtask: a timer would cost each collection
  // the browser's minimum delay.
  palm_scan_locals: function(func) {
    Asyncify.handleSleep(function(wakeUp) {
      Promise.resolve().then(function() {
        var begin = Asyncify.currData + {{{ C_STRUCTS.asyncify_data_s.__size__ }}};
        var end = HEAP32[Asyncify.currData >> 2];
        {{{ makeDynCall('vii', 'func') }}}(begin, end);
        wakeUp();
      });
    });
  },

  // The thread package's switch: the caught exceptions and the uncaught count are each
  // thread's own. A fresh thread starts with none.
  palm_eh_switch__deps: ['$exceptionCaught', '$uncaughtExceptionCount'],
  palm_eh_switch: function(from, to, fresh) {
    var saved = Module.palmEh || (Module.palmEh = {});
    saved[from] = [exceptionCaught.splice(0), uncaughtExceptionCount];
    var mine = fresh ? null : saved[to];
    delete saved[to];
    uncaughtExceptionCount = mine ? mine[1] : 0;
    if (mine) for (var i = 0; i < mine[0].length; i++) exceptionCaught.push(mine[0][i]);
  },

  // Pushes the storage folder to the browser's database; 0 when it is stored, -1 not.
  palm_web_sync: function() {
    if (typeof IDBFS === 'undefined' || !Module.storage) return 0;
    return Asyncify.handleSleep(function(wakeUp) {
      FS.syncfs(false, function(err) {
        if (err) {
          Module.storageError = String(err && err.message || err);
          if (Module.onMessage) Module.onMessage('Storage: ' + Module.storageError);
        }
        wakeUp(err ? -1 : 0);
      });
    });
  }
});
