#include "cli/PngStreamWriter.h"

#include "core/io/FileIO.h"

#include <png.h>

#include <csetjmp>

namespace {

// Compressed bytes are collected and written in blocks of this size.
constexpr size_t BufferSize = 1 << 20;

} // namespace

PngStreamWriter::PngStreamWriter(const std::string& path, int width, int height,
                                 Compression compression)
    : file_(path), path_(path), rowsLeft_(height) {
    buffer_.reserve(BufferSize);
    if (!file_.IsOpen()) {
        // A device node or FIFO is refused rather than replaced by a regular file.
        Fail((IsNonRegularFile(path) ? "unable to save " : "unable to create ") + path + ": " +
             file_.Error());
        return;
    }
    png_ = png_create_write_struct(PNG_LIBPNG_VER_STRING, this, LibraryError, LibraryWarning);
    info_ = png_ ? png_create_info_struct(png_) : nullptr;
    if (png_ == nullptr || info_ == nullptr) {
        Fail("out of memory for the PNG encoder");
        return;
    }
    Start(width, height, compression);
}

PngStreamWriter::~PngStreamWriter() {
    if (png_ != nullptr)
        png_destroy_write_struct(&png_, info_ != nullptr ? &info_ : nullptr);
}

bool PngStreamWriter::Start(int width, int height, Compression compression) {
    if (setjmp(png_jmpbuf(png_)))
        return false;
    png_set_write_fn(png_, this, WriteBytes, FlushBytes);
    png_set_IHDR(png_, info_, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    if (compression == Compression::Fast) {
        // Tile art repeats itself along a row: the cheapest filter and level keep most of the
        // gain at a fraction of the time.
        png_set_compression_level(png_, 1);
        png_set_filter(png_, PNG_FILTER_TYPE_BASE, PNG_FILTER_SUB);
    } else {
        png_set_compression_level(png_, 9);
        png_set_filter(png_, PNG_FILTER_TYPE_BASE, PNG_ALL_FILTERS);
    }
    png_write_info(png_, info_);
    // The picture's pixels are 0xffRRGGBB words: blue, green, red, unused in memory.
    png_set_bgr(png_);
    png_set_filler(png_, 0, PNG_FILLER_AFTER);
    return true;
}

bool PngStreamWriter::WriteRows(const QImage& strip) {
    if (failed_)
        return false;
    if (strip.format() != QImage::Format_RGB32 || strip.height() > rowsLeft_) {
        Fail("internal error: a strip does not fit the picture");
        return false;
    }
    if (setjmp(png_jmpbuf(png_)))
        return false;
    for (int y = 0; y < strip.height() && !failed_; ++y)
        png_write_row(png_, strip.constScanLine(y));
    rowsLeft_ -= strip.height();
    return !failed_;
}

bool PngStreamWriter::Finish() {
    if (failed_)
        return false;
    if (rowsLeft_ != 0) {
        Fail("internal error: the picture is missing rows");
        return false;
    }
    if (setjmp(png_jmpbuf(png_)))
        return false;
    png_write_end(png_, info_);
    if (!FlushBuffer())
        return false;
    if (!file_.Commit()) {
        Fail("unable to save " + path_ + ": " + file_.Error());
        return false;
    }
    return true;
}

void PngStreamWriter::Fail(const std::string& error) {
    if (!failed_)
        error_ = error;
    failed_ = true;
}

bool PngStreamWriter::FlushBuffer() {
    if (failed_ || buffer_.empty())
        return !failed_;
    const bool written = file_.Append(buffer_);
    buffer_.clear();
    if (!written) {
        Fail("unable to write " + path_ + ": " + file_.Error());
        return false;
    }
    return true;
}

void PngStreamWriter::WriteBytes(png_struct_def* png, unsigned char* data, size_t length) {
    auto* self = static_cast<PngStreamWriter*>(png_get_io_ptr(png));
    // After a failed write the rest is dropped; the caller stops at the next row.
    if (self->failed_)
        return;
    self->buffer_.insert(self->buffer_.end(), data, data + length);
    if (self->buffer_.size() >= BufferSize)
        self->FlushBuffer();
}

void PngStreamWriter::FlushBytes(png_struct_def*) {}

void PngStreamWriter::LibraryError(png_struct_def* png, const char* message) {
    auto* self = static_cast<PngStreamWriter*>(png_get_error_ptr(png));
    self->Fail(std::string("PNG encoder: ") + message);
    png_longjmp(png, 1);
}

void PngStreamWriter::LibraryWarning(png_struct_def*, const char*) {}
