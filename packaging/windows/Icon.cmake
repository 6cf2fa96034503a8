# The Windows program's icon and version record: tovak.ico rendered from the drawing in the
# usual sizes, and a resource script naming both (TOVAK_WINDOWS_RESOURCES).
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
find_program(ICOTOOL icotool REQUIRED)
set(svg ${PROJECT_SOURCE_DIR}/packaging/tovak.svg)
set(icon_dir ${CMAKE_CURRENT_BINARY_DIR}/icon)
set(pngs)
foreach(size 16 24 32 48 64)
    set(png ${icon_dir}/tovak-${size}.png)
    add_custom_command(
        OUTPUT ${png}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${icon_dir}
        COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${svg}
        DEPENDS ${svg}
        VERBATIM)
    list(APPEND pngs ${png})
endforeach()
# The largest size stays a PNG inside the icon, a quarter of the size of a bitmap.
set(large ${icon_dir}/tovak-256.png)
add_custom_command(
    OUTPUT ${large}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${icon_dir}
    COMMAND ${RSVG_CONVERT} -w 256 -h 256 -o ${large} ${svg}
    DEPENDS ${svg}
    VERBATIM)
set(TOVAK_WINDOWS_ICON ${icon_dir}/tovak.ico)
add_custom_command(
    OUTPUT ${TOVAK_WINDOWS_ICON}
    COMMAND ${ICOTOOL} -c -o ${TOVAK_WINDOWS_ICON} ${pngs} -r ${large}
    DEPENDS ${pngs} ${large}
    VERBATIM)

string(REPLACE "." "," TOVAK_VERSION_COMMAS "${PROJECT_VERSION}")
configure_file(${CMAKE_CURRENT_LIST_DIR}/tovak.rc.in ${CMAKE_CURRENT_BINARY_DIR}/tovak.rc @ONLY)
set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/tovak.rc PROPERTIES
    OBJECT_DEPENDS ${TOVAK_WINDOWS_ICON})
set(TOVAK_WINDOWS_RESOURCES ${CMAKE_CURRENT_BINARY_DIR}/tovak.rc)
