#include "report/picture_library.h"

#include <QString>

namespace flange {

const FlatPicture* PictureLibrary::find(std::string_view resource, int widthTwips, int heightTwips)
{
    auto it = pictures_.find(resource);
    if (it == pictures_.end()) {
        const QString path = QString::fromUtf8(resource);
        it = pictures_
                 .emplace(std::string(resource), FlatPicture::load(path, widthTwips, heightTwips))
                 .first;
    }
    return it->second ? &*it->second : nullptr;
}

} // namespace flange
