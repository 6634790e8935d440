#pragma once

// What each stored picture is and how large, shared by the program (which
// loads the pictures) and the build tool that draws them.

#include <QPoint>

#include <array>
#include <string_view>

#include "render/AssetPictures.h"
#include "render/Assets.h"

namespace sumcraft::pictures {

enum class AssetKind { Coin, Clock };

struct AssetEntry {
  AssetName id;
  std::string_view name;
  int width;
  int height;
  AssetKind kind;
  Coin coin;
  Form form;
  QPoint centre;
  int radius;
};

// Sizes and centres are what the question drawing relies on; the dial radii
// are our own choice.
inline constexpr std::array<AssetEntry, kAssetCount> kAssets{{
    {AssetName::QuarterDisplay, "QUARTERDISPLAY", 73, 73, AssetKind::Coin, Coin::Quarter, Form::Display, {36, 36}, 0},
    {AssetName::QuarterPrint, "QUARTERPRINT", 256, 256, AssetKind::Coin, Coin::Quarter, Form::Print, {128, 128}, 0},
    {AssetName::DimeDisplay, "DIMEDISPLAY", 52, 52, AssetKind::Coin, Coin::Dime, Form::Display, {26, 26}, 0},
    {AssetName::DimePrint, "DIMEPRINT", 212, 212, AssetKind::Coin, Coin::Dime, Form::Print, {106, 106}, 0},
    {AssetName::NickelDisplay, "NICKELDISPLAY", 61, 61, AssetKind::Coin, Coin::Nickel, Form::Display, {30, 30}, 0},
    {AssetName::NickelPrint, "NICKELPRINT", 238, 238, AssetKind::Coin, Coin::Nickel, Form::Print, {119, 119}, 0},
    {AssetName::PennyDisplay, "PENNYDISPLAY", 54, 54, AssetKind::Coin, Coin::Penny, Form::Display, {27, 27}, 0},
    {AssetName::PennyPrint, "PENNYPRINT", 220, 220, AssetKind::Coin, Coin::Penny, Form::Print, {110, 110}, 0},
    {AssetName::ClockFace, "CLOCKFACE", 225, 200, AssetKind::Clock, Coin::Quarter, Form::Display, {109, 86}, 83},
    {AssetName::ClockFacePrint, "CLOCKFACEPRINT", 595, 635, AssetKind::Clock, Coin::Quarter, Form::Print, {294, 255}, 245},
}};

}  // namespace sumcraft::pictures
