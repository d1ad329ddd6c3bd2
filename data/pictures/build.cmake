# The drawings of the picture panel: every data/pictures/<name>.svg is rendered by render_svg
# into <name>.jpg in the program directory.
file(GLOB MORVEX_PICTURE_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.svg)
set(MORVEX_PICTURE_FILES)
foreach(source IN LISTS MORVEX_PICTURE_SOURCES)
    get_filename_component(name ${source} NAME_WE)
    set(picture ${MORVEX_PROGRAM_DIR}/${name}.jpg)
    add_custom_command(
        OUTPUT ${picture}
        COMMAND render_svg ${source} ${picture}
        DEPENDS render_svg ${source}
        COMMENT "Drawing ${name}.jpg"
        VERBATIM)
    list(APPEND MORVEX_PICTURE_FILES ${picture})
endforeach()
add_custom_target(morvex_pictures ALL DEPENDS ${MORVEX_PICTURE_FILES})
