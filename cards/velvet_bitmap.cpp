#include "velvet_bitmap.h"

#include "picture_table.h"

using namespace tavolin::cards;

int velvet_bitmap(int number, int scale, const unsigned char** data, int* size)
{
    if (number < 1 || number > PictureCount || scale < 1 || scale > ScaleCount || !data || !size)
        return 0;
    const PictureSpan& span = PictureSpans[(scale - 1) * PictureCount + (number - 1)];
    *data = PictureBytes + span.offset;
    *size = static_cast<int>(span.size);
    return 1;
}
