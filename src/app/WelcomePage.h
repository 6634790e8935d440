#pragma once
// The two pictures the page view shows when there is no page to show: the
// blank page (a black frame filled white) and the welcome page with its
// first steps.
//
// Both draw on an image whose pixels are `scale` times the picture's own
// (the screen's device pixel ratio), so they stay sharp on dense screens;
// positions and type sizes are in picture pixels.
#include <QImage>
#include <string_view>

namespace sumcraft {

void DrawBlankPage(QImage& image, double scale = 1.0);

// The blank page, the heading "Welcome to Sumcraft!" at (50, 35) in 18-point
// type, an introduction and eight numbered steps in 11-point type, wrapped
// between x = 50 (70 for the steps' texts) and the picture width less 50.
// Points become pixels at screenDpi.
void DrawWelcomePage(QImage& image, int screenDpi, double scale = 1.0);

// The texts, as drawn.
inline constexpr std::string_view kWelcomeHeading = "Welcome to Sumcraft!";
std::string_view WelcomeIntroduction();
std::string_view WelcomeStep(int number);  // 1 to 8
inline constexpr int kWelcomeSteps = 8;

}  // namespace sumcraft
