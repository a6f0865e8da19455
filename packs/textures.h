// The kill-icon textures the game reads from its texture folder.
#pragma once

#include <array>
#include <string_view>

namespace packs {

// In the order of the loose set's files tagvox.com\b1.ini .. b20.ini.
inline constexpr std::array<std::string_view, 20> kLooseTextureNames = {
    "HUD_Cheer_animal_kill.tga",          "HUD_Cheer_bomb_kill.tga",
    "HUD_Cheer_corpse_killhum.tga",       "HUD_Cheer_first_damage.tga",
    "HUD_Cheer_fist_kill.tga",            "HUD_Cheer_gun_Driveicon_revenge.tga",
    "HUD_Cheer_gun_fivekill.tga",         "HUD_Cheer_gun_fourkill.tga",
    "HUD_Cheer_gun_headshot.tga",         "HUD_Cheer_gun_killcorpse.tga",
    "HUD_Cheer_gun_nkill.tga",            "HUD_Cheer_gun_onekill.tga",
    "HUD_Cheer_gun_threekill.tga",        "HUD_Cheer_gun_twokill.tga",
    "HUD_Cheer_gun_WallHeadShot.tga",     "HUD_Cheer_gun_WallNormalShot.tga",
    "HUD_Cheer_knife_kill.tga",           "HUD_Cheer_tank_kill.tga",
    "HUD_encourage_GhostMelee_KillGhost.tga", "HUD_encourage_GhostMelee_KillHuman.tga",
};

}  // namespace packs
