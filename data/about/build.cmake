# The About window's artefacts.
# - The animation clip "morvex.avi", drawn by make_clip from the section drawing, into the
#   program directory.
# - The window's pictures, rendered by render_svg from their drawings into the build tree and
#   embedded into the program as Qt resources under /images (see src/about/CMakeLists.txt);
#   the mouse pointer is an XPM text picture embedded as it is; the clip's still picture, its
#   first frame, is drawn by make_clip beside them.
set(MORVEX_CLIP_FILE ${MORVEX_PROGRAM_DIR}/morvex.avi)
add_custom_command(
    OUTPUT ${MORVEX_CLIP_FILE}
    COMMAND make_clip ${CMAKE_CURRENT_LIST_DIR}/clip_section.svg ${MORVEX_CLIP_FILE}
    DEPENDS make_clip ${CMAKE_CURRENT_LIST_DIR}/clip_section.svg
    COMMENT "Drawing the animation clip morvex.avi"
    VERBATIM)
add_custom_target(morvex_clip ALL DEPENDS ${MORVEX_CLIP_FILE})

set(MORVEX_ABOUT_IMAGE_DIR ${CMAKE_BINARY_DIR}/about_images)
set(MORVEX_ABOUT_IMAGES)
foreach(picture background.jpg splash.png image1.jpg image2.jpg)
    get_filename_component(name ${picture} NAME_WE)
    set(output ${MORVEX_ABOUT_IMAGE_DIR}/${picture})
    add_custom_command(
        OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${MORVEX_ABOUT_IMAGE_DIR}
        COMMAND render_svg ${CMAKE_CURRENT_LIST_DIR}/${name}.svg ${output}
        DEPENDS render_svg ${CMAKE_CURRENT_LIST_DIR}/${name}.svg
        COMMENT "Drawing the About window's picture ${picture}"
        VERBATIM)
    list(APPEND MORVEX_ABOUT_IMAGES ${output})
endforeach()
set(output ${MORVEX_ABOUT_IMAGE_DIR}/clip.png)
add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${MORVEX_ABOUT_IMAGE_DIR}
    COMMAND make_clip --still ${CMAKE_CURRENT_LIST_DIR}/clip_section.svg ${output}
    DEPENDS make_clip ${CMAKE_CURRENT_LIST_DIR}/clip_section.svg
    COMMENT "Drawing the clip's still picture clip.png"
    VERBATIM)
list(APPEND MORVEX_ABOUT_IMAGES ${output})
# The pointing hand is a text picture already: it is copied beside the others.
set(output ${MORVEX_ABOUT_IMAGE_DIR}/pointer.xpm)
add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_LIST_DIR}/pointer.xpm ${output}
    DEPENDS ${CMAKE_CURRENT_LIST_DIR}/pointer.xpm
    COMMENT "Copying the About window's pointer"
    VERBATIM)
list(APPEND MORVEX_ABOUT_IMAGES ${output})
add_custom_target(morvex_about_images DEPENDS ${MORVEX_ABOUT_IMAGES})
set(MORVEX_ABOUT_IMAGE_DIR ${MORVEX_ABOUT_IMAGE_DIR} PARENT_SCOPE)
set(MORVEX_ABOUT_IMAGES ${MORVEX_ABOUT_IMAGES} PARENT_SCOPE)
