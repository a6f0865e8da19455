// The web addresses the program opens or shows. The maker's site and forum
// live here and nowhere else, so a move of the site is one edit.
#pragma once

#include <string_view>

namespace ui::links {

inline constexpr std::string_view kSite = "https://huiguang.example/";
inline constexpr std::string_view kOnlineStatus = "https://huiguang.example/diy/online";
inline constexpr std::string_view kVideoList = "https://huiguang.example/diy/list";
inline constexpr std::string_view kBulletin = "https://huiguang.example/diy/notice";
inline constexpr std::string_view kHelpVideos = "https://huiguang.example/diy/help";
inline constexpr std::string_view kSpeedTest = "https://huiguang.example/diy/speed";
inline constexpr std::string_view kVirtualDesktop = "https://huiguang.example/diy/desktop";
inline constexpr std::string_view kMusicStation = "https://huiguang.example/music/";
inline constexpr std::string_view kGuestbook = "https://huiguang.example/guestbook";
inline constexpr std::string_view kEmoticons = "https://huiguang.example/emoticons";
inline constexpr std::string_view kIdleToolDownload = "https://huiguang.example/download/idle";
inline constexpr std::string_view kAuthorSite = "https://yunzhou.huiguang.example/";
inline constexpr std::string_view kMicroblog = "https://weibo.example/huiguang";
inline constexpr std::string_view kChatGroup = "https://qun.example/j/271828182";
inline constexpr std::string_view kSponsorship = "https://qun.example/huiguang/sponsor";
inline constexpr std::string_view kConverter = "https://converter.example/";
inline constexpr std::string_view kDefaultMusic = "https://pan.example/s/huiguang-music";
inline constexpr std::string_view kRegistryFixDownload = "https://pan.example/s/huiguang-pmreg";

inline constexpr std::string_view kForum = "https://bbs.huiguang.example/";
inline constexpr std::string_view kForumSection = "https://bbs.huiguang.example/forum-huiguang";
inline constexpr std::string_view kForumHelp = "https://bbs.huiguang.example/thread-help";
inline constexpr std::string_view kForumMusicHelp = "https://bbs.huiguang.example/thread-music";
inline constexpr std::string_view kForumSounds = "https://bbs.huiguang.example/thread-sounds";
inline constexpr std::string_view kForumVoices = "https://bbs.huiguang.example/thread-voices";
inline constexpr std::string_view kForumTutorial = "https://bbs.huiguang.example/thread-tutorial";
inline constexpr std::string_view kForumMobile = "https://bbs.huiguang.example/thread-mobile";
inline constexpr std::string_view kForumRecording = "https://bbs.huiguang.example/thread-recording";
inline constexpr std::string_view kForumSearch = "https://search.huiguang.example/?q=";

inline constexpr std::string_view kShareQzone = "https://share.example/qzone?url=https://huiguang.example/";
inline constexpr std::string_view kShareTencent = "https://share.example/tencent?url=https://huiguang.example/";
inline constexpr std::string_view kShareSina = "https://share.example/sina?url=https://huiguang.example/";
inline constexpr std::string_view kShareWorldCup =
    "https://share.example/sina?url=https://huiguang.example/&title=徽光坊世界杯击杀图标&pic=https://huiguang.example/img/worldcup.jpg";
inline constexpr std::string_view kLicence = "https://creativecommons.org/licenses/by-nc-sa/3.0/cn/";

}  // namespace ui::links
