# The sources of the pure core (standard C++ and libjpeg, no Qt), as absolute paths:
# the core library and the fuzz targets both build from this one list.
set(TESSALY_CORE_SOURCES
    art/builtincanvas.cpp
    art/builtinoutdoors.cpp
    art/builtinpictures.cpp
    art/builtinroom.cpp
    art/builtinshapes.cpp
    base/datafiles.cpp
    base/outputset.cpp
    base/paths.cpp
    base/platformerror.cpp
    base/temporaries.cpp
    base/wholefile.cpp
    bitmap/bmpcodec.cpp
    i18n/languagefile.cpp
    i18n/languagelines.cpp
    package/packageinspection.cpp
    package/roompackage.cpp
    package/scratchpassage.cpp
    pictures/derivedpictures.cpp
    pictures/picturecheck.cpp
    preview/contactsheet.cpp
    preview/jpegencoder.cpp
    preview/rgbimage.cpp
    preview/roomcomposition.cpp
    preview/sheetfont.cpp
    slots/catalogue.cpp
    slots/colourmatch.cpp
    slots/slotpicture.cpp
)
list(TRANSFORM TESSALY_CORE_SOURCES PREPEND ${CMAKE_CURRENT_LIST_DIR}/)
# Every include path of the core and its users starts at src/: "core/...", "ui/...".
get_filename_component(TESSALY_SOURCE_ROOT ${CMAKE_CURRENT_LIST_DIR}/.. ABSOLUTE)
