#include "rtf_test_support.h"

#include <QTextBlock>
#include <QTextFragment>
#include <ostream>

#include "plumbing/rtf/rtf.h"

std::string Utf8(const QString& text) {
    return text.toStdString();
}

std::vector<BlockDescription> Describe(const QTextDocument& document) {
    std::vector<BlockDescription> blocks;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        BlockDescription b;
        b.text = Utf8(block.text());
        b.alignment = static_cast<int>(block.blockFormat().alignment() & Qt::AlignHorizontal_Mask);
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat f = fragment.charFormat();
            RunDescription run;
            run.text = Utf8(fragment.text());
            run.family = Utf8(f.fontFamilies().toStringList().value(0));
            run.halfPoints = static_cast<int>(f.fontPointSize() * 2 + 0.5);
            run.bold = f.fontWeight() >= QFont::DemiBold;
            run.italic = f.fontItalic();
            run.underline = f.fontUnderline();
            run.strike = f.fontStrikeOut();
            run.colour = f.hasProperty(QTextFormat::ForegroundBrush)
                             ? Utf8(f.foreground().color().name())
                             : "auto";
            // Neighbouring fragments of equal formatting are one run.
            if (!b.runs.empty()) {
                RunDescription& last = b.runs.back();
                RunDescription probe = run;
                probe.text = last.text;
                if (probe == last) {
                    last.text += run.text;
                    continue;
                }
            }
            b.runs.push_back(run);
        }
        blocks.push_back(b);
    }
    return blocks;
}

std::vector<BlockDescription> DescribeRtf(const std::string& rtf) {
    QTextDocument document;
    rtf::Load(document, rtf);
    return Describe(document);
}

std::vector<std::string> BlockTexts(const std::string& rtf) {
    std::vector<std::string> texts;
    for (const BlockDescription& b : DescribeRtf(rtf)) texts.push_back(b.text);
    return texts;
}

void PrintTo(const RunDescription& r, std::ostream* os) {
    *os << "{\"" << r.text << "\" " << r.family << ' ' << r.halfPoints << (r.bold ? " b" : "")
        << (r.italic ? " i" : "") << (r.underline ? " ul" : "") << (r.strike ? " s" : "") << ' '
        << r.colour << '}';
}

void PrintTo(const BlockDescription& b, std::ostream* os) {
    *os << "[\"" << b.text << "\" align " << b.alignment << ':';
    for (const RunDescription& r : b.runs) {
        *os << ' ';
        PrintTo(r, os);
    }
    *os << ']';
}
