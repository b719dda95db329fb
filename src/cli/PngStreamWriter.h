#pragma once
// Writes a PNG picture row by row, so that a picture larger than memory can be painted in
// strips. The file appears only when every row was written, and a failed write names its
// cause (a full disk, a file size limit, ...). Any name the file system accepts will do.

#include "core/io/FileIO.h"

#include <QImage>

#include <memory>
#include <string>
#include <vector>

struct png_struct_def;
struct png_info_def;

class PngStreamWriter {
  public:
    enum class Compression { Fast, Smallest };

    PngStreamWriter(const std::string& path, int width, int height, Compression compression);
    ~PngStreamWriter();
    PngStreamWriter(const PngStreamWriter&) = delete;
    PngStreamWriter& operator=(const PngStreamWriter&) = delete;

    // Appends the rows of `strip` (an RGB32 image as wide as the picture). False once
    // anything failed; Error() then says what.
    bool WriteRows(const QImage& strip);
    // Ends the picture and puts the file in place; false (and nothing written) when any
    // step failed or fewer rows than the picture's height were given.
    bool Finish();
    const std::string& Error() const { return error_; }

  private:
    static void WriteBytes(png_struct_def* png, unsigned char* data, size_t length);
    static void FlushBytes(png_struct_def* png);
    static void LibraryError(png_struct_def* png, const char* message);
    static void LibraryWarning(png_struct_def* png, const char* message);
    bool Start(int width, int height, Compression compression);
    bool FlushBuffer();
    void Fail(const std::string& error);

    AtomicFileWriter file_;
    std::string path_;
    png_struct_def* png_ = nullptr;
    png_info_def* info_ = nullptr;
    std::vector<unsigned char> buffer_;
    int rowsLeft_ = 0;
    bool failed_ = false;
    std::string error_;
};
