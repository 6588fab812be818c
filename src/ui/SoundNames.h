#pragma once

// The game's sound effects, spelled as their files beside the program are
// named (the lookup ignores case, but one spelling each keeps them findable).

#include <QLatin1String>

namespace SoundFile {
inline constexpr QLatin1String Deal("deal.wav");
inline constexpr QLatin1String Ding("ding.wav");
inline constexpr QLatin1String Error("Error.wav");
inline constexpr QLatin1String Bloop("Bloop.wav");
inline constexpr QLatin1String Bloop2("Bloop2.wav");
inline constexpr QLatin1String Scor1("scor1.wav");
inline constexpr QLatin1String ColGone("ColGone.wav");
inline constexpr QLatin1String Buttup("buttup.wav");
inline constexpr QLatin1String Nervous("Nervous.wav");
inline constexpr QLatin1String Schz("Schz.wav");
inline constexpr QLatin1String Shim("Shim.wav");
inline constexpr QLatin1String TWham("TWham.wav");
inline constexpr QLatin1String UpGo4("UpGo4.wav");
inline constexpr QLatin1String Message2("message2.wav");
inline constexpr QLatin1String ClickBg("ClickBg.wav");
inline constexpr QLatin1String BgClick("bgclick.wav");
} // namespace SoundFile
