#pragma once
// A song's tags: the ID3v1 tag the tag editor reads and writes, and the MPEG frame header
// reader, which stays in its initial state until a caller runs it.
#include "tags/TypeTagMpeg.h"
#include "tags/TypeTagV1.h"

class TagType {
public:
    TypeTagV1 TagV1;
    TypeTagMpeg TagMpeg;
};

namespace Module1 {
// Writes (or, with `TagV1.Valide()` False, removes) the ID3v1 tag of `tag` in the file; False
// on any failure, the file then being untouched.
bool ecrire_tag_v1(const QString& chemin, const TagType& tag);
}  // namespace Module1
