#pragma once

#include <QString>

class QTextCharFormat;

// The CSS declarations of a character format as other programs read our HTML (the clipboard,
// an exported page): font family, size, weight, colour and underline. The family is quoted
// with its quotes and backslashes escaped and without "<" or ">", so that it can end neither
// the name, the declarations nor a style element; an attribute that holds the declarations
// still escapes them as any attribute value.
QString SpanStyle(const QTextCharFormat& format);
