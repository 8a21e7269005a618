#include "ui/common/house_colours.h"

#include <algorithm>
#include <array>

namespace velmora::ui {

namespace {

struct HouseColours {
  QRgb fill;
  QRgb line;
};

// The lines are at least 27 apart in CIE L*a*b*, where 10 is a plain difference.
constexpr std::array<HouseColours, 10> kHouseColours{{
    {0xf2c14e, 0xe6ab02},  // 織田, 尾張
    {0x9bd17a, 0x1b7837},  // 徳川, 三河
    {0x7fc8c2, 0x01a3a4},  // 今川, 遠江
    {0xb7a4d6, 0x6a3d9a},  // 武田, 信濃
    {0xf29e8e, 0xe31a1c},  // 斉藤, 美濃
    {0xe6d98a, 0x9a9a00},  // 北畠, 伊勢
    {0x8fb6e8, 0x1f78b4},  // 六角, 南近江
    {0xd9a3c4, 0xe7298a},  // 浅井, 北近江
    {0xa8d8a0, 0x66bd63},  // 朝倉, 越前
    {0xe8b07a, 0xa6561a},  // 足利, 京
}};

const HouseColours& coloursOf(int house) {
  return kHouseColours[static_cast<size_t>(std::clamp(house, 1, 10) - 1)];
}

}  // namespace

QColor houseFill(int house) { return QColor::fromRgb(coloursOf(house).fill); }
QColor houseColour(int house) { return QColor::fromRgb(coloursOf(house).line); }

}  // namespace velmora::ui
