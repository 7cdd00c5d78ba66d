#include "plumbing/widgets/interface_fonts.h"

#include <QApplication>
#include <QFontDatabase>

CInterfaceFonts::CInterfaceFonts(const QFont& base) {
    QFont face = base;
    QStringList families{QStringLiteral("Tahoma")};
    const QString system = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    if (!system.isEmpty() && system != families.front()) families.append(system);
    face.setFamilies(families);
    face.setStyleHint(QFont::SansSerif);
    face.setWeight(QFont::Normal);
    face.setItalic(false);

    m_normal = face;
    m_bold = face;
    m_bold.setWeight(QFont::Bold);
    m_italic = face;
    m_italic.setItalic(true);
    m_small10 = face;
    m_small10.setPixelSize(kSmallPixels10);
    m_small12 = face;
    m_small12.setPixelSize(kSmallPixels12);
}

const CInterfaceFonts& CInterfaceFonts::Shared() {
    static const CInterfaceFonts fonts(QApplication::font());
    return fonts;
}
