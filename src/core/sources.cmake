# The sources of the pure core (standard C++ and libjpeg, no Qt), as absolute paths:
# the core library and the fuzz targets both build from these lists.
#   TESSALY_ART_SOURCES   the drawing code of the built-in pictures and what it needs; the
#                         build step embedbuiltins is made from it (see below)
#   TESSALY_CORE_SOURCES  the rest of the core
# A core library is both lists plus the source that tessaly_embed_builtins generates.
set(TESSALY_ART_SOURCES
    art/builtincanvas.cpp
    art/builtindrawing.cpp
    art/builtinoutdoors.cpp
    art/builtinroom.cpp
    art/builtinshapes.cpp
    base/outputset.cpp
    base/paths.cpp
    base/platformerror.cpp
    base/temporaries.cpp
    base/wholefile.cpp
    bitmap/bmpcodec.cpp
    slots/catalogue.cpp
    slots/slotpicture.cpp
)
set(TESSALY_CORE_SOURCES
    art/builtinpictures.cpp
    base/datafiles.cpp
    i18n/languagefile.cpp
    i18n/languagelines.cpp
    package/checkedpackage.cpp
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
    slots/colourmatch.cpp
)
list(TRANSFORM TESSALY_ART_SOURCES PREPEND ${CMAKE_CURRENT_LIST_DIR}/)
list(TRANSFORM TESSALY_CORE_SOURCES PREPEND ${CMAKE_CURRENT_LIST_DIR}/)
# Every include path of the core and its users starts at src/: "core/...", "ui/...".
get_filename_component(TESSALY_SOURCE_ROOT ${CMAKE_CURRENT_LIST_DIR}/.. ABSOLUTE)
set(TESSALY_EMBED_SOURCE ${CMAKE_CURRENT_LIST_DIR}/art/embedbuiltins.cpp)

# tessaly_embed_builtins(CORE ART): builds the program CORE_embedbuiltins from the object
# library ART (TESSALY_ART_SOURCES, compiled without instrumentation), runs it at build
# time to draw the built-in pictures, and adds the source it writes, which embeds their
# bitmaps, to the library CORE. The programs then never draw them at start.
function(tessaly_embed_builtins core art)
    add_executable(${core}_embedbuiltins ${TESSALY_EMBED_SOURCE} $<TARGET_OBJECTS:${art}>)
    target_include_directories(${core}_embedbuiltins PRIVATE ${TESSALY_SOURCE_ROOT})
    set(generated ${CMAKE_CURRENT_BINARY_DIR}/${core}_builtinbitmaps.cpp)
    add_custom_command(OUTPUT ${generated}
                       COMMAND ${core}_embedbuiltins ${generated}
                       DEPENDS ${core}_embedbuiltins
                       COMMENT "Drawing the built-in pictures"
                       VERBATIM)
    target_sources(${core} PRIVATE ${generated})
endfunction()
