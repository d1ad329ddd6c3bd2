#include "about/clipfile.h"

#include "platform/regularfile.h"

namespace ClipFile {

Check check(const QString &path)
{
    // Read as a regular file only, so that a FIFO in the clip's place cannot hold the window.
    const RegularFile::Contents clip = RegularFile::read(path, AnimationFileLength);
    switch (clip.status) {
    case RegularFile::Status::Read:
        return clip.bytes.size() == AnimationFileLength ? Check::Accepted : Check::WrongLength;
    case RegularFile::Status::TooLarge:
        return Check::WrongLength;
    case RegularFile::Status::CannotOpen:
    case RegularFile::Status::NotRegular:
    case RegularFile::Status::ReadFailed:
        break;
    }
    return Check::Unusable;
}

} // namespace ClipFile
