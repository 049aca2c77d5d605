#pragma once

#include <QPalette>
#include <QStyle>
#include <QStyleFactory>
#include <memory>

// The palettes the windows must read well in: the light one of the Fusion style, and a dark
// one as dark desktop themes set it (light text and a mid blue link on near-black).
namespace Palettes {

inline QPalette light() {
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    return fusion->standardPalette();
}

inline QPalette dark() {
    QPalette p(QColor(53, 53, 53), QColor(53, 53, 53));
    p.setColor(QPalette::WindowText, Qt::white);
    p.setColor(QPalette::Base, QColor(42, 42, 42));
    p.setColor(QPalette::AlternateBase, QColor(66, 66, 66));
    p.setColor(QPalette::Text, Qt::white);
    p.setColor(QPalette::ButtonText, Qt::white);
    p.setColor(QPalette::ToolTipBase, QColor(53, 53, 53));
    p.setColor(QPalette::ToolTipText, Qt::white);
    p.setColor(QPalette::Link, QColor(42, 130, 218));
    p.setColor(QPalette::LinkVisited, QColor(42, 130, 218));
    p.setColor(QPalette::Highlight, QColor(42, 130, 218));
    p.setColor(QPalette::HighlightedText, Qt::black);
    for (const auto role : {QPalette::Text, QPalette::ButtonText, QPalette::WindowText}) {
        p.setColor(QPalette::Disabled, role, QColor(127, 127, 127));
    }
    return p;
}

} // namespace Palettes
