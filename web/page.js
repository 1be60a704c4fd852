// One program's page: switches from the address, the storage folder, a script to run, the
// console panel, and the pictures the program saves (F12 downloads them; a script's are kept
// in window.palmShots as data URLs for whoever drives the page).
(function () {
  'use strict';
  var query = new URLSearchParams(location.search);
  var args = [];
  ['color', 'nocolor', 'console'].forEach(function (name) {
    if (query.has(name)) args.push('-' + name);
  });
  ['scale', 'fps'].forEach(function (name) {
    if (query.has(name)) args.push('-' + name, query.get(name));
  });
  var panel = document.getElementById('console');
  var message = document.getElementById('message');
  panel.hidden = !query.has('console');
  var script = query.get('script');
  var status = window.palmStatus = { errors: [] };
  window.palmShots = {};
  if ('serviceWorker' in navigator) {
    navigator.serviceWorker.addEventListener('message', function (e) {
      if (e.data && e.data.kept) status.offline = true;
    });
  }

  function show(text) {
    message.hidden = false;
    message.textContent = text;
  }

  function toConsole(text) {
    if (!panel.hidden) {
      panel.textContent += text + '\n';
      panel.scrollTop = panel.scrollHeight;
    }
  }

  // A picture the program wrote: a script's is kept for the driver, F12's is downloaded.
  function picture(path) {
    var bytes = FS.readFile(path);
    var name = path.replace(/^.*\//, '');
    var reader = new FileReader();
    reader.onload = function () { window.palmShots[name] = reader.result; };
    var blob = new Blob([bytes], { type: 'image/png' });
    reader.readAsDataURL(blob);
    if (!script) {
      var a = document.createElement('a');
      a.href = URL.createObjectURL(blob);
      a.download = name;
      document.body.appendChild(a);
      a.click();
      a.remove();
      setTimeout(function () { URL.revokeObjectURL(a.href); }, 10000);
    }
    try { FS.unlink(path); } catch (e) {}  // pictures are not kept in the storage
  }

  window.Module = {
    arguments: args,
    print: function (text) { console.log(text); toConsole(text); },
    printErr: function (text) { console.warn(text); toConsole(text); },
    onMessage: function (text) { status.errors.push(text); show(text); },
    onFirstFrame: function (t) { status.firstFrame = t; },
    onAbort: function (what) { status.aborted = String(what); show('Stopped: ' + what); },
    preRun: [function () {
      // Record stores live in the browser's database; the folder is read back before main.
      FS.mkdir('/data');
      FS.mount(IDBFS, {}, '/data');
      FS.chdir('/data');
      Module.storage = true;
      addRunDependency('storage');
      FS.syncfs(true, function (err) {
        if (err) show('Storage cannot be read: ' + err);
        removeRunDependency('storage');
      });
      // Pictures are written whole, or to a scratch name and then renamed.
      var close = FS.close, rename = FS.rename;
      FS.close = function (stream) {
        var path = stream.path, written = (stream.flags & 3) !== 0;
        close(stream);
        if (written && path && /\.png$/i.test(path)) picture(path);
      };
      FS.rename = function (from, to) {
        rename(from, to);
        if (/\.png$/i.test(to)) picture(to);
      };
      if (script) {
        addRunDependency('script');
        fetch(script).then(function (r) {
          if (!r.ok) throw new Error(script + ': ' + r.status);
          return r.text();
        }).then(function (text) {
          FS.writeFile('/script.txt', text);
          ENV.PALM_SCRIPT = '/script.txt';
        }).catch(function (e) {
          show('Script not loaded: ' + e.message);
        }).then(function () { removeRunDependency('script'); });
      }
    }]
  };

  // Offline: the worker keeps this page's own files as soon as it runs.
  if ('serviceWorker' in navigator && !query.has('nosw')) {
    var program = location.pathname.replace(/^.*\//, '').replace(/\.html$/, '');
    navigator.serviceWorker.register('sw.js').then(function () {
      return navigator.serviceWorker.ready;
    }).then(function (reg) {
      reg.active.postMessage({ keep: [program + '.html', program + '.js', program + '.wasm'] });
    }).catch(function () {});
  }
})();
