#include "export/JpegWriter.h"

#include "common/AtomicSave.h"
#include "common/Prompter.h"
#include "export/cDIBSection.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <exception>
#include <vector>

// jpeglib.h relies on <cstdio> for FILE and size_t.
#include <jerror.h>
#include <jpeglib.h>

namespace {

constexpr size_t OutputChunk = 64 * 1024;
// Rows handed to the compressor per call.
constexpr int RowBatch = 16;

// libjpeg reports a fatal error through error_exit, which must not return; the standard one
// ends the program. This one jumps back into the writer, which then reports the failure.
struct ErrorManager {
    jpeg_error_mgr pub; // first, so libjpeg's pointer to it is a pointer to the whole
    std::jmp_buf jump;
};

[[noreturn]] void jumpBack(j_common_ptr cinfo) {
    std::longjmp(reinterpret_cast<ErrorManager*>(cinfo->err)->jump, 1);
}

// Warnings and traces would go to stderr; the user hears of failures through the prompter.
void stayQuiet(j_common_ptr) {}

int failureCode(const ErrorManager& errors) {
    // A code of 0 would read as success.
    return errors.pub.msg_code != 0 ? errors.pub.msg_code : -1;
}

// The compressed stream is collected in memory, so the file is written only once it is whole.
struct MemoryDestination {
    jpeg_destination_mgr pub; // first, as above
    std::vector<JOCTET>* bytes = nullptr;
};

// No exception may cross libjpeg's C frames: running out of memory becomes a libjpeg error.
bool growBy(std::vector<JOCTET>& bytes, size_t count) noexcept {
    try {
        bytes.resize(bytes.size() + count);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

void startOutput(j_compress_ptr cinfo) {
    auto* dest = reinterpret_cast<MemoryDestination*>(cinfo->dest);
    dest->bytes->clear();
    if (!growBy(*dest->bytes, OutputChunk))
        ERREXIT1(cinfo, JERR_OUT_OF_MEMORY, 0);
    dest->pub.next_output_byte = dest->bytes->data();
    dest->pub.free_in_buffer = dest->bytes->size();
}

// Called when the whole buffer is full.
boolean moreOutput(j_compress_ptr cinfo) {
    auto* dest = reinterpret_cast<MemoryDestination*>(cinfo->dest);
    const size_t used = dest->bytes->size();
    if (!growBy(*dest->bytes, OutputChunk))
        ERREXIT1(cinfo, JERR_OUT_OF_MEMORY, 1);
    dest->pub.next_output_byte = dest->bytes->data() + used;
    dest->pub.free_in_buffer = OutputChunk;
    return TRUE;
}

void endOutput(j_compress_ptr cinfo) {
    auto* dest = reinterpret_cast<MemoryDestination*>(cinfo->dest);
    dest->bytes->resize(dest->bytes->size() - dest->pub.free_in_buffer);
}

// The two steps that may end in a jump back. Their locals are all trivial, so the jump skips
// no destructor. Each returns 0, or libjpeg's code of the error that stopped it.
int initialise(jpeg_compress_struct& cinfo, ErrorManager& errors) {
    cinfo.err = jpeg_std_error(&errors.pub);
    errors.pub.error_exit = jumpBack;
    errors.pub.output_message = stayQuiet;
    if (setjmp(errors.jump))
        return failureCode(errors);
    jpeg_create_compress(&cinfo);
    return 0;
}

int compress(jpeg_compress_struct& cinfo, ErrorManager& errors, MemoryDestination& dest,
             const cDIBSection& picture, int quality) {
    if (setjmp(errors.jump))
        return failureCode(errors);
    cinfo.dest = &dest.pub;
    cinfo.image_width = JDIMENSION(picture.Width());
    cinfo.image_height = JDIMENSION(picture.Height());
    cinfo.input_components = 3;
    // The buffer's own byte order, so its rows go in without a copy.
    cinfo.in_color_space = JCS_EXT_BGR;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    cinfo.optimize_coding = TRUE;
    jpeg_start_compress(&cinfo, TRUE);

    // The buffer is stored bottom-up; the file starts with the top row.
    const size_t stride = size_t(picture.BytesPerScanLine());
    const uchar* bits = picture.DIBSectionBitsPtr();
    const JDIMENSION height = cinfo.image_height;
    JSAMPROW rows[RowBatch];
    while (cinfo.next_scanline < height) {
        const JDIMENSION first = cinfo.next_scanline;
        const JDIMENSION count = std::min<JDIMENSION>(RowBatch, height - first);
        for (JDIMENSION i = 0; i < count; ++i)
            rows[i] = const_cast<JSAMPROW>(bits + size_t(height - 1 - (first + i)) * stride);
        jpeg_write_scanlines(&cinfo, rows, count);
    }
    jpeg_finish_compress(&cinfo);
    return 0;
}

bool writeWhole(const QString& fileName, const std::vector<JOCTET>& bytes) {
    if (fileName.isEmpty())
        return false;
    AtomicSave file(fileName);
    return file.open() &&
           file.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size())) &&
           file.commit();
}

void warn(Prompter& prompter, const QString& text) {
    prompter.message(QStringLiteral("Грешка"), text, Prompter::Icon::Warning,
                     Prompter::Buttons::Ok);
}

} // namespace

bool WriteJPGFile(const cDIBSection& picture, const QString& fileName, int quality,
                  Prompter& prompter) {
    jpeg_compress_struct cinfo{};
    ErrorManager errors{};
    const int initStatus = initialise(cinfo, errors);
    if (initStatus != 0) {
        jpeg_destroy_compress(&cinfo);
        warn(prompter, QStringLiteral("Failed to initialise the IJL library: ") +
                           QString::number(initStatus));
        return false;
    }

    std::vector<JOCTET> bytes;
    MemoryDestination dest{};
    dest.pub.init_destination = startOutput;
    dest.pub.empty_output_buffer = moreOutput;
    dest.pub.term_destination = endOutput;
    dest.bytes = &bytes;
    // An empty buffer has no pixels to point the rows at.
    const int status = picture.isEmpty()
                           ? int(JERR_EMPTY_IMAGE)
                           : compress(cinfo, errors, dest, picture, std::clamp(quality, 1, 100));
    jpeg_destroy_compress(&cinfo);

    if (status != 0 || !writeWhole(fileName, bytes)) {
        warn(prompter, QStringLiteral("Failed to save to JPG"));
        return false;
    }
    return true;
}
