#pragma once
// The only outside addresses the program knows: web pages of its maker,
// handed to the system's browser.
namespace sumcraft {

// Free sample quizzes that open in this version.
inline constexpr const char* kSampleQuizzesAddress = "https://sumcraft.example.org/samples.html";

// The update page of a version is this address followed by
// "major.minor.release.html", e.g. ".../updates/2.0.0.html".
inline constexpr const char* kUpdatePageBase = "https://sumcraft.example.org/updates/";

}  // namespace sumcraft
