#include "app/WindowLayout.h"

#include <stdexcept>

namespace Layout {

QRect titleText(const EditionProfile &edition)
{
    return {288, edition.titleTop, 217, edition.titleHeight};
}

QRect titleGrid(const EditionProfile &edition)
{
    return {656, edition.gridTop, 169, edition.gridHeight};
}

std::vector<ControlItem> windowControls(const EditionProfile &e)
{
    using K = ControlKind;
    const FontStyle button{"Tahoma", 12, maroon};
    return {
        {"Image1", K::Picture, nullptr, {0, 0, 865, 682}, {}, {}, 0, false, false, -1, e.backgroundResource},
        {"Image4", K::Picture, nullptr, {736, 0, 129, e.headerHeight}, {}, {}, 0, false, false, -1, ":/assets/header.jpg"},
        {"Image2", K::Picture, nullptr, {658, 277, 165, 28}, {}, {}, 0, false, false, -1, ":/assets/marker.jpg"},
        {"Label2", K::Label, nullptr, {539, 116, 43, 18}, QStringLiteral("موضوع"), {"Tahoma", 15, darkGreen}},
        {"Label8", K::Label, nullptr, {713, 406, 122, 13}, QStringLiteral("تعداد رکورد هاي يافت شده"),
         {"Tahoma", 11, darkGreen}, 0, true},
        {"Label9", K::Label, nullptr, {677, 403, 4, 14}, {}, {}},
        {"SpeedButton1", K::FlatButton, nullptr, {346, 611, 97, 28}, QStringLiteral("سوال قبلي"), button, 0, false, true, -1, ":/assets/previous.bmp"},
        {"SpeedButton2", K::FlatButton, nullptr, {448, 611, 97, 28}, QStringLiteral("سوال بعدي"), button, 0, false, true, -1, ":/assets/next.bmp"},
        {"SpeedButton3", K::FlatButton, nullptr, {244, 611, 97, 28}, QStringLiteral("اولين سوال"), button, 0, false, true, -1, ":/assets/first.bmp"},
        {"SpeedButton4", K::FlatButton, nullptr, {142, 611, 97, 28}, QStringLiteral("آخرين سوال"), button, 0, false, true, -1, ":/assets/last.bmp"},
        {"SpeedButton6", K::FlatButton, nullptr, {763, 424, 89, 31}, QStringLiteral("جستجو در متن"), button, 0, false, true},
        {"SpeedButton5", K::FlatButton, nullptr, {664, 373, 35, 22}, QStringLiteral("لغو "), {"Tahoma", 12, red}, 0, false, true},
        {"SpeedButton7", K::FlatButton, nullptr, {40, 611, 97, 28}, QStringLiteral("تنظيمات"), button, 0, false, true, -1, ":/assets/settings.bmp"},
        {"SpeedButton8", K::FlatButton, nullptr, {632, 424, 121, 31}, QStringLiteral("جستجوي پيشرفته"), {"Tahoma", 11, maroon}, 0, false, false, -1, ":/assets/advanced.bmp"},
        {"Shape1", K::Hotspot, nullptr, {e.shape1Left, 656, e.shape1Width, 25}, {}, {}, 0, false, true},
        {"Shape2", K::Hotspot, nullptr, {826, 15, 17, 17}, {}, {}, 0, false, true},
        {"Shape3", K::Hotspot, nullptr, {800, 16, 17, 17}, {}, {}, 0, false, true},
        {"Shape4", K::Hotspot, nullptr, {20, 1, 137, 128}, {}, {}, 0, false, true},
        {"Edit1", K::EditBox, nullptr, {704, 376, 106, 19}, QStringLiteral("جستجو...."), {"Tahoma", 13, olive}, editColour, false, false, 0},
        {"Panel1", K::Panel, nullptr, {610, 315, 255, 368}, {}, {}, 0, true, false, 25},
        {"Image3", K::Picture, "Panel1", {0, 0, 255, 368}, {}, {}, 0, false, false, -1, ":/assets/searchpanel.jpg"},
        {"GroupBox1", K::GroupBox, "Panel1", {40, 96, 193, 89}, QStringLiteral("  تنظيمات   "), {}, memoColour, false, false, 2},
        {"SpeedButton9", K::Button, "GroupBox1", {120, 62, 49, 22}, QStringLiteral("جستجو"), {}},
        {"SpeedButton10", K::Button, "GroupBox1", {32, 62, 57, 22}, QStringLiteral("لغو"), {}},
        {"RadioButton1", K::RadioButton, "GroupBox1", {72, 16, 113, 17}, QStringLiteral("جستجو در پرسش"), {}, 0, false, false, 0},
        {"RadioButton2", K::RadioButton, "GroupBox1", {72, 40, 113, 17}, QStringLiteral("جستجو در پاسخ"), {}, 0, false, false, 1},
        {"ebarat", K::EditBox, "Panel1", {56, 61, 143, 22}, QStringLiteral("جستجو"), {"Tahoma", 12, olive}, editColour, false, false, 0},
    };
}

const ControlItem &control(const std::vector<ControlItem> &controls, const char *name)
{
    for (const ControlItem &item : controls)
        if (qstrcmp(item.name, name) == 0)
            return item;
    throw std::out_of_range(std::string("no control ") + name);
}

} // namespace Layout
