#include "views/analysis/chart/png_strip_writer.h"

#include <png.h>

#include <QIODevice>
#include <QImage>
#include <csetjmp>
#include <vector>

// libpng reports errors by longjmp; every call into it that may fail stands
// behind setjmp in a function that owns no C++ object needing destruction.
struct CPngStripWriter::State {
    png_structp png = nullptr;
    png_infop info = nullptr;
    QIODevice* device = nullptr;
    bool writeFailed = false;
    std::vector<png_byte> row;
};

namespace {

void WriteData(png_structp png, png_bytep data, png_size_t length) {
    auto* state = static_cast<CPngStripWriter::State*>(png_get_io_ptr(png));
    if (state->device->write(reinterpret_cast<const char*>(data),
                             static_cast<qint64>(length)) != static_cast<qint64>(length)) {
        state->writeFailed = true;
        png_error(png, "write failed");
    }
}

void Flush(png_structp) {}

bool Start(CPngStripWriter::State* state, int width, int height) {
    if (setjmp(png_jmpbuf(state->png))) return false;
    png_set_write_fn(state->png, state, WriteData, Flush);
    png_set_IHDR(state->png, state->info, static_cast<png_uint_32>(width),
                 static_cast<png_uint_32>(height), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    // Charts are mostly flat colour: quick compression loses little.
    png_set_compression_level(state->png, 3);
    png_write_info(state->png, state->info);
    return true;
}

bool WriteRow(CPngStripWriter::State* state) {
    if (setjmp(png_jmpbuf(state->png))) return false;
    png_write_row(state->png, state->row.data());
    return true;
}

bool End(CPngStripWriter::State* state) {
    if (setjmp(png_jmpbuf(state->png))) return false;
    png_write_end(state->png, state->info);
    return true;
}

}  // namespace

CPngStripWriter::CPngStripWriter(QIODevice& device, const QSize& size)
    : m_state(new State), m_size(size) {
    m_state->device = &device;
    m_state->png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (m_state->png != nullptr) m_state->info = png_create_info_struct(m_state->png);
    m_state->row.resize(static_cast<std::size_t>(std::max(0, size.width())) * 3);
    if (m_state->info == nullptr || size.isEmpty() || !Start(m_state, size.width(), size.height())) {
        m_ok = false;
        m_error = device.errorString();
    }
}

CPngStripWriter::~CPngStripWriter() {
    if (m_state->png != nullptr)
        png_destroy_write_struct(&m_state->png, m_state->info != nullptr ? &m_state->info : nullptr);
    delete m_state;
}

void CPngStripWriter::WriteRows(const QImage& band, int rows) {
    if (!m_ok || band.width() != m_size.width() || band.format() != QImage::Format_RGB32) {
        m_ok = false;
        return;
    }
    rows = std::min({rows, band.height(), m_size.height() - m_written});
    for (int y = 0; y < rows && m_ok; ++y) {
        const auto* pixels = reinterpret_cast<const QRgb*>(band.constScanLine(y));
        png_byte* out = m_state->row.data();
        for (int x = 0; x < m_size.width(); ++x) {
            *out++ = static_cast<png_byte>(qRed(pixels[x]));
            *out++ = static_cast<png_byte>(qGreen(pixels[x]));
            *out++ = static_cast<png_byte>(qBlue(pixels[x]));
        }
        if (!WriteRow(m_state)) {
            m_ok = false;
            m_error = m_state->device->errorString();
        }
    }
    m_written += rows;
}

bool CPngStripWriter::Finish() {
    if (m_ok && m_written == m_size.height() && !End(m_state)) {
        m_ok = false;
        m_error = m_state->device->errorString();
    }
    return m_ok && m_written == m_size.height();
}
