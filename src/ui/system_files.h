#pragma once
// The ways a file reaches the player that differ between the desktop game and
// the web page: one version for each, in desktop/ and web/ beside this header.
// The page keeps its files in the browser: it downloads what the desktop
// leaves in a folder, and takes a saved game from the player's computer.

#include <QString>
#include <functional>
#include <string>

class QFileDialog;
class QMenu;
class QWidget;

namespace zorikan::ui {

// Makes the files written so far last. The desktop's disk keeps them as they
// are written; the page copies its home folder into the browser's storage
// (IndexedDB), so that a game saved there is there after a reload.
void KeepWrittenFiles();

// The music file the player picks, or an empty string. The page plays no
// music: it says so in a box instead.
QString AskForMusicFile(QWidget* parent);

// The file the collection's page is written to; empty when the player
// cancels. The desktop asks for it; the page writes one of its own.
QString AskForExportFile(QWidget* parent);
// Shows the written page to the player: the desktop opens it in the browser,
// the page downloads it. False when that fails.
bool ShowExportedPage(const QString& file);

// In the page, the open dialog of saved games also takes one from the
// player's computer: it is stored in the documents folder and arrives later,
// through `arrived`, once the browser has read it. The desktop's dialog
// reaches every file already and is left as it is.
void OfferSavedGameFromComputer(QFileDialog& dialog, std::function<void(const QString&)> arrived);

// In the page, `menu` gets a command that downloads the saved game in play,
// as `savedGame` writes it (empty: no game in play) under the name of its
// file. The desktop's saved game is a file the player has already.
void AddSavedGameDownload(QMenu* menu, std::function<std::string()> savedGame,
                          std::function<QString()> fileName);

}  // namespace zorikan::ui
