// The page's lasting files: the game's home folder, where its documents
// folder and saved games are, lives in the browser's own storage (IndexedDB).
// It is read in before the program starts, so the title's load finds the
// games saved before, and written back whenever the game has written a file
// (Module.zorikanKeepFiles, called after every save) and when the page is
// hidden or closed.
Module['preRun'] = Module['preRun'] || [];
Module['preRun'].push(function () {
  var home = '/home/web_user';
  FS.mount(IDBFS, {}, home);
  addRunDependency('zorikan-files');
  FS.syncfs(true, function (error) {
    if (error) console.warn('ZORIKAN Simulator: the saved games could not be read: ' + error);
    removeRunDependency('zorikan-files');
  });
});

// One copy at a time; a write meanwhile asks for one more after it.
var zorikanCopying = false;
var zorikanCopyAgain = false;
Module['zorikanFilesKept'] = 0;
Module['zorikanKeepFiles'] = function () {
  if (zorikanCopying) {
    zorikanCopyAgain = true;
    return;
  }
  zorikanCopying = true;
  FS.syncfs(false, function (error) {
    zorikanCopying = false;
    if (error) console.warn('ZORIKAN Simulator: the saved games could not be stored: ' + error);
    else Module['zorikanFilesKept']++;
    if (zorikanCopyAgain) {
      zorikanCopyAgain = false;
      Module['zorikanKeepFiles']();
    }
  });
};

// A hidden page may be closed without another word: what is written is kept.
addEventListener('pagehide', function () { Module['zorikanKeepFiles'](); });
document.addEventListener('visibilitychange', function () {
  if (document.visibilityState === 'hidden') Module['zorikanKeepFiles']();
});
