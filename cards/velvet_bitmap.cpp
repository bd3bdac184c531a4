#include "velvet_bitmap.h"

#include "picture_table.h"

using namespace tavolin::cards;

namespace {

int handOut(const PictureSpan& span, const unsigned char** data, int* size)
{
    *data = PictureBytes + span.offset;
    *size = static_cast<int>(span.size);
    return 1;
}

} // namespace

int velvet_bitmap(int number, int scale, const unsigned char** data, int* size)
{
    if (number < 1 || number > PictureCount || scale < 1 || scale > ScaleCount || !data || !size)
        return 0;
    return handOut(PictureSpans[(scale - 1) * PictureCount + (number - 1)], data, size);
}

int velvet_large_bitmap(int number, int scale, const unsigned char** data, int* size)
{
    if (number < 1 || number > LargeFaceCount || scale < 1 || scale > ScaleCount || !data || !size)
        return 0;
    return handOut(PictureSpans[ScaleCount * PictureCount + (scale - 1) * LargeFaceCount + (number - 1)], data, size);
}
