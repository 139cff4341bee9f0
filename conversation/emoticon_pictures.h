#pragma once

#include <QImage>
#include <QString>

// The pictures of a conversation: emoticons drawn from their three characters and colour
// digit, and the 15 special pictures of the "#nn" codes. Each is trimmed to its non-white
// content before it is shown.

inline constexpr int kNoDigit = -1;
inline constexpr int kSpecialPictureCount = 15;

// A 27 x 23 white canvas with the face of the nose character, then the mouth, the eyes and
// the nose details, in black over the fill colour of the digit (0..9, or kNoDigit for pale
// yellow). Characters that are not emoticon characters draw nothing.
QImage DrawSmiley(char eyes, char nose, char mouth, int digit);

// A 30 x 30 picture; an index out of 0..14 gives a white picture.
QImage SpecialPicture(int index);

// Crops to the smallest rectangle that holds every pixel that is not pure white; a picture
// without one becomes a single white pixel.
QImage TrimPicture(const QImage& picture);

// Names of the trimmed pictures, usable as document resource names.
QString SmileyKey(char eyes, char nose, char mouth, int digit);
QString SpecialKey(int index);

// The trimmed picture of a key, drawn once for the whole process; a key that names no picture
// gives a null image. Main thread only.
const QImage& CachedPicture(const QString& key);
