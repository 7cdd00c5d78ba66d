// CPngStripWriter: writes a PNG image band by band (libpng), so that an image
// far larger than the memory one would want to give it (the whole chart of a
// large analysis) is painted and compressed a few hundred rows at a time.
#pragma once

#include <QSize>
#include <QString>

class QIODevice;
class QImage;

class CPngStripWriter {
public:
    // An 8-bit RGB image of `size` written to `device` (open for writing).
    CPngStripWriter(QIODevice& device, const QSize& size);
    ~CPngStripWriter();
    CPngStripWriter(const CPngStripWriter&) = delete;
    CPngStripWriter& operator=(const CPngStripWriter&) = delete;

    // Writes the first `rows` rows of `band` (an RGB32 image as wide as the
    // PNG) as the next rows; rows beyond the image's height are dropped.
    void WriteRows(const QImage& band, int rows);
    // Ends the image; false when any write failed or fewer rows than the
    // height were given.
    bool Finish();

    bool Ok() const { return m_ok; }
    QString Error() const { return m_error; }

    struct State;  // libpng's, in the source file

private:
    State* m_state;
    QSize m_size;
    int m_written = 0;
    bool m_ok = true;
    QString m_error;
};
