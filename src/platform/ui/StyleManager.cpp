#include "platform/ui/StyleManager.h"

#include "platform/ui/Prompter.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>

#include <array>
#include <optional>

namespace platform::ui {

const QString StyleManager::kDefaultStyle = QStringLiteral("Windows");

namespace {

struct StyleDef {
    const char* name;
    QRgb window; // window and button face
    QRgb accent; // selection and links
    bool dark;
};

// One palette per style name: dark names dark, colour names in their colour.
constexpr std::array<StyleDef, 39> kStyles{{
    {"Amakrits", 0x3a3029, 0xd7801a, true},
    {"Amethyst Kamri", 0xe3d7ee, 0x8e5bb5, false},
    {"Aqua Graphite", 0x3c3f41, 0x3cb4c8, true},
    {"Aqua Light Slate", 0xdce6ea, 0x2ea6c2, false},
    {"Auric", 0x2e2b26, 0xd4a017, true},
    {"Carbon", 0x202020, 0x5a8dd6, true},
    {"Charcoal Dark Slate", 0x2f3439, 0x6c8ea8, true},
    {"Cobalt XEMedia", 0x1f2a44, 0x3d7fdc, true},
    {"Cyan Dusk", 0x1f3a40, 0x29b6c8, true},
    {"Cyan Night", 0x12262b, 0x20c4d8, true},
    {"Emerald Light Slate", 0xdbe7e0, 0x2e9d63, false},
    {"Glossy", 0x1e1e1e, 0x4a90d9, true},
    {"Glow", 0x262a30, 0x3fa9f5, true},
    {"Golden Graphite", 0x3a3a3a, 0xe0b030, true},
    {"Iceberg Classico", 0xe1ecf4, 0x5b9bd5, false},
    {"Lavender Classico", 0xe7e1f2, 0x8a72c4, false},
    {"Light", 0xf0f0f0, 0x3d8ee0, false},
    {"Luna", 0xece9d8, 0x316ac5, false},
    {"Metropolis UI Black", 0x1c1c1c, 0x1ba1e2, true},
    {"Metropolis UI Blue", 0x1f4e79, 0x5fb3f0, true},
    {"Metropolis UI Dark", 0x2d2d30, 0x007acc, true},
    {"Metropolis UI Green", 0x1e4d2b, 0x58c16a, true},
    {"Obsidian", 0x29313a, 0x7a8fa6, true},
    {"Onyx Blue", 0x1b2635, 0x3a7bd5, true},
    {"Ruby Graphite", 0x363636, 0xc4242c, true},
    {"Sapphire Kamri", 0xd3def0, 0x2f5fa8, false},
    {"Silver", 0xe0e0e4, 0x8090a8, false},
    {"Sky", 0xdaeaf9, 0x3a8fde, false},
    {"Slate Classico", 0xd6dce2, 0x5a6f86, false},
    {"Smokey Quartz Kamri", 0xded8d0, 0x8a7660, false},
    {"TabletDark", 0x252525, 0x2d89ef, true},
    {"Tablet Light", 0xf7f7f7, 0x2d89ef, false},
    {"Turquoise Gray", 0xd9e4e3, 0x1aa39a, false},
    {"Windows10", 0xf0f0f0, 0x0078d7, false},
    {"Windows10 Blue", 0x1f5fa8, 0x7fb8f0, true},
    {"Windows10 Dark", 0x202020, 0x0078d7, true},
    {"Windows10 Green", 0x2d7d46, 0x9be0a8, true},
    {"Windows10 Purple", 0x5c2d91, 0xc3a3f0, true},
    {"Windows10 SlateGray", 0x4a5a6a, 0xa8c0d8, true},
}};

struct Original {
    QString styleName;
    QPalette palette;
};

// The look the application started with, taken before the first switch.
const Original& original()
{
    static const Original value{QApplication::style()->name(), QApplication::palette()};
    return value;
}

QString g_active = StyleManager::kDefaultStyle;

std::optional<StyleDef> find(const QString& name)
{
    for (const StyleDef& def : kStyles)
        if (name == QLatin1String(def.name))
            return def;
    return std::nullopt;
}

QColor mix(const QColor& a, const QColor& b, double share_b)
{
    return QColor::fromRgbF(float(a.redF() * (1 - share_b) + b.redF() * share_b),
                            float(a.greenF() * (1 - share_b) + b.greenF() * share_b),
                            float(a.blueF() * (1 - share_b) + b.blueF() * share_b));
}

QPalette makePalette(const StyleDef& def)
{
    const QColor window(def.window);
    const QColor accent(def.accent);
    const QColor text = def.dark ? QColor(235, 235, 235) : QColor(20, 20, 20);
    const QColor base = def.dark ? mix(window, Qt::black, 0.25) : mix(window, Qt::white, 0.8);
    const QColor button = def.dark ? mix(window, Qt::white, 0.08) : mix(window, Qt::white, 0.3);
    const QColor disabled = mix(text, window, 0.55);

    QPalette p;
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, def.dark ? mix(base, Qt::white, 0.05) : mix(base, Qt::black, 0.04));
    p.setColor(QPalette::ToolTipBase, base);
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::PlaceholderText, disabled);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, button);
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::BrightText, Qt::red);
    p.setColor(QPalette::Light, mix(button, Qt::white, 0.4));
    p.setColor(QPalette::Midlight, mix(button, Qt::white, 0.2));
    p.setColor(QPalette::Mid, mix(button, Qt::black, 0.25));
    p.setColor(QPalette::Dark, mix(button, Qt::black, 0.45));
    p.setColor(QPalette::Shadow, mix(button, Qt::black, 0.7));
    p.setColor(QPalette::Highlight, accent);
    p.setColor(QPalette::HighlightedText, accent.lightness() > 150 ? QColor(Qt::black) : QColor(Qt::white));
    p.setColor(QPalette::Link, def.dark ? mix(accent, Qt::white, 0.3) : accent);
    p.setColor(QPalette::LinkVisited, mix(accent, Qt::black, 0.3));
    for (auto role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, disabled);
    p.setColor(QPalette::Disabled, QPalette::Highlight, mix(accent, window, 0.6));
    return p;
}

} // namespace

QStringList StyleManager::styleNames()
{
    QStringList names{kDefaultStyle};
    for (const StyleDef& def : kStyles)
        names << QString::fromLatin1(def.name);
    return names;
}

bool StyleManager::isKnown(const QString& name)
{
    return name == kDefaultStyle || find(name).has_value();
}

QPalette StyleManager::paletteOf(const QString& name)
{
    if (const auto def = find(name))
        return makePalette(*def);
    return original().palette;
}

bool StyleManager::apply(const QString& name, bool showErrors)
{
    if (!isKnown(name)) {
        if (showErrors)
            Prompter::error(kErrorTitle, QStringLiteral("Стиль «%1» не найден").arg(name));
        return false;
    }
    const Original& start = original();
    const bool platformLook = name == kDefaultStyle;
    const QString styleName = platformLook ? start.styleName : QStringLiteral("Fusion");
    if (QApplication::style()->name().compare(styleName, Qt::CaseInsensitive) != 0) {
        if (QStyle* style = QStyleFactory::create(styleName))
            QApplication::setStyle(style);
    }
    QApplication::setPalette(platformLook ? start.palette : paletteOf(name));
    g_active = name;
    return true;
}

QString StyleManager::activeStyle()
{
    return g_active;
}

} // namespace platform::ui
