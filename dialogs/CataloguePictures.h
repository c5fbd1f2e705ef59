#pragma once
#include <QString>
#include <string>
#include <vector>

class CatalogueEditor;

// isplan.ini keeps only a picture's file name, looked for in Image/ at the
// next start: a picture chosen from elsewhere must be copied there.
struct PictureCopy {
    int index = 0;       // the list entry whose picture was looked at
    std::string chosen;  // the picture the user had chosen
    bool copied = false; // false: the entry has its picture at opening back
};

// Copies every picture chosen since opening from outside `folder` into it
// and points its entry at the copy. `openedBmp` holds each catalogue entry's
// picture at opening, by its origin. Returns one line per entry touched.
std::vector<PictureCopy> CopyPicturesIntoFolder(CatalogueEditor& work, const std::vector<std::string>& openedBmp,
                                                const QString& folder);
