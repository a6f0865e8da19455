// The game's location: GamePath in the hidden edit box lujing, the folders
// derived from it, the two ways the user sets it, and path.ini beside the tool.
#pragma once

#include "app/app.h"

namespace app {

// GamePath without its last 14 bytes ("\MatOnline.exe"), cut afresh each time.
Text GameDir(TextView game_path);
Text GameDir(App& app);
// A game counts as chosen when lujing is not empty and the folder cut from it
// is an absolute path; no installer, cleaner or fix acts otherwise.
bool GameChosen(App& app);

void RestoreGameLocation(App& app);
void DeriveGameFolders(App& app);
void SetGameLocation(App& app, const Text& path);
void RememberGameLocation(App& app);

}  // namespace app
