// A library that loads but does not hand out bitmaps.
extern "C" __attribute__((visibility("default"))) int not_a_card_library()
{
    return 1;
}
