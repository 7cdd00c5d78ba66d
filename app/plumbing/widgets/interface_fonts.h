// The interface fonts every custom-drawn view shares, made once from the
// default interface font with the face "Tahoma" (the system sans-serif face
// where Tahoma is missing).
#pragma once

#include <QFont>

class CInterfaceFonts {
public:
    static constexpr int kSmallPixels10 = 10;
    static constexpr int kSmallPixels12 = 12;

    // The set built from `base` (the size and style of the interface font).
    explicit CInterfaceFonts(const QFont& base);

    // The program's set, made from QApplication::font() on first use (after
    // the QApplication exists) and kept for the run.
    static const CInterfaceFonts& Shared();

    const QFont& Normal() const { return m_normal; }    // weight 400
    const QFont& Bold() const { return m_bold; }        // weight 700
    const QFont& Italic() const { return m_italic; }    // weight 400, italic
    const QFont& Small10() const { return m_small10; }  // weight 400, 10 pixels
    const QFont& Small12() const { return m_small12; }  // weight 400, 12 pixels

private:
    QFont m_normal;
    QFont m_bold;
    QFont m_italic;
    QFont m_small10;
    QFont m_small12;
};
