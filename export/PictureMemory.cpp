#include "PictureMemory.h"

#ifdef Q_OS_LINUX
#include <cstddef>
#include <cstdint>
#include <limits>
#include <new>

#include <sys/mman.h>

namespace figureexport {

namespace {

// The huge page of x86-64 and of arm64 with 4 KiB pages; where the system's is
// another, the mapping is merely aligned more than it needs to be.
constexpr std::size_t hugePage = std::size_t(2) << 20;
// From half a huge page up, a picture is cleared faster in one than page by page.
constexpr std::size_t leastForHugePages = hugePage / 2;
constexpr int bitsPerByte = 8;
// QImage's lines start on 32-bit boundaries.
constexpr int lineAlignmentBits = 32;

struct Mapping {
    void *start;
    std::size_t length;
};

void unmap(void *info)
{
    const auto *mapping = static_cast<Mapping *>(info);
    ::munmap(mapping->start, mapping->length);
    delete mapping;
}

std::size_t roundedUp(std::size_t value, std::size_t step)
{
    return (value + step - 1) / step * step;
}

} // namespace

QImage PictureMemory::image(QSize size, QImage::Format format)
{
    const int depth = QImage::toPixelFormat(format).bitsPerPixel();
    if (size.isEmpty() || depth <= 0)
        return {};
    const std::size_t lineBits = roundedUp(std::size_t(size.width()) * std::size_t(depth), lineAlignmentBits);
    const std::size_t bytesPerLine = lineBits / bitsPerByte;
    if (std::size_t(size.height()) > std::size_t(std::numeric_limits<qsizetype>::max()) / hugePage / bytesPerLine)
        return {};
    const std::size_t bytes = bytesPerLine * std::size_t(size.height());
    // A small picture is not worth a huge page of memory cleared.
    if (bytes < leastForHugePages)
        return QImage(size, format);
    // Whole huge pages, aligned to one: the unaligned ends of a larger mapping are
    // given back at once.
    const std::size_t length = roundedUp(bytes, hugePage);
    void *const mapped = ::mmap(nullptr, length + hugePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED)
        return {};
    const auto from = reinterpret_cast<std::uintptr_t>(mapped);
    const std::uintptr_t start = roundedUp(from, hugePage);
    if (start > from)
        ::munmap(mapped, start - from);
    if (const std::size_t tail = from + hugePage - start)
        ::munmap(reinterpret_cast<void *>(start + length), tail);
    auto *const mapping = new (std::nothrow) Mapping{reinterpret_cast<void *>(start), length};
    if (!mapping) {
        ::munmap(reinterpret_cast<void *>(start), length);
        return {};
    }
    // A hint: without huge pages the picture is mapped in small ones, as any.
    ::madvise(mapping->start, length, MADV_HUGEPAGE);
    try {
        QImage image(static_cast<uchar *>(mapping->start), size.width(), size.height(), qsizetype(bytesPerLine), format,
                     unmap, mapping);
        if (image.isNull())
            unmap(mapping);
        return image;
    } catch (const std::bad_alloc &) {
        unmap(mapping);
        throw;
    }
}

} // namespace figureexport
#else
namespace figureexport {

QImage PictureMemory::image(QSize size, QImage::Format format)
{
    return QImage(size, format);
}

} // namespace figureexport
#endif
