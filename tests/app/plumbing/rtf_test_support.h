// A comparable description of a QTextDocument: its blocks, and in each block
// the runs of text with the formatting that matters to the record editors.
#pragma once

#include <QTextDocument>
#include <string>
#include <vector>

struct RunDescription {
    std::string text;  // UTF-8
    std::string family;
    int halfPoints = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    std::string colour;  // "#rrggbb" or "auto"

    bool operator==(const RunDescription&) const = default;
};

struct BlockDescription {
    std::string text;
    int alignment = 0;
    std::vector<RunDescription> runs;

    bool operator==(const BlockDescription&) const = default;
};

std::vector<BlockDescription> Describe(const QTextDocument& document);
std::vector<BlockDescription> DescribeRtf(const std::string& rtf);
std::vector<std::string> BlockTexts(const std::string& rtf);
std::string Utf8(const QString& text);

// Readable output when two descriptions differ.
void PrintTo(const RunDescription& run, std::ostream* os);
void PrintTo(const BlockDescription& block, std::ostream* os);
