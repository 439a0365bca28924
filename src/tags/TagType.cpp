#include "tags/TagType.h"

namespace Module1 {
bool ecrire_tag_v1(const QString& chemin, const TagType& tag) {
    return tag.TagV1.ecrire_tag(chemin);
}
}  // namespace Module1
