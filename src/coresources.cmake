# The sources of the pure core (standard C++ and libjpeg, no Qt), as absolute paths:
# the core library and the fuzz targets both build from this one list.
file(GLOB TESSALY_BUILTIN_ART CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/bitmap/builtin*.cpp)
set(TESSALY_CORE_SOURCES
    app/catalogue.cpp
    app/paths.cpp
    app/platformerror.cpp
    app/wholefile.cpp
    bitmap/slotpicture.cpp
    bitmap/bmpcodec.cpp
    bitmap/colourmatch.cpp
    i18n/languagefile.cpp
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
)
list(TRANSFORM TESSALY_CORE_SOURCES PREPEND ${CMAKE_CURRENT_LIST_DIR}/)
list(APPEND TESSALY_CORE_SOURCES ${TESSALY_BUILTIN_ART})
