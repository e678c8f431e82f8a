# The game as a web page (make web): one folder of static files that any web
# server can serve. zorikan.html is the page; qtloader.js (Qt's) loads
# zorikan.js and zorikan.wasm, the program; zorikan.data holds ZORIGAME.dat.

qt_add_executable(zorikan src/app/main.cpp)
target_link_libraries(zorikan PRIVATE zorikan_qt)
add_dependencies(zorikan zorigame_data)
# The data file is packed into zorikan.data and found in this folder.
target_compile_definitions(zorikan PRIVATE ZORIKAN_INSTALLED_DATA_DIR="/zorikan")
set(web_storage ${CMAKE_CURRENT_SOURCE_DIR}/src/app/web/storage.js)
target_link_options(zorikan PRIVATE
    -lidbfs.js
    "SHELL:--pre-js ${web_storage}"
    "SHELL:--preload-file ${ZORIKAN_DATA_FILE}@/zorikan/ZORIGAME.dat"
    # A modal box waits for the player by unwinding the whole stack: the game's
    # boxes open from deep inside the rules.
    "SHELL:-s ASYNCIFY_STACK_SIZE=131072")
# FS: tools/web/play_in_chromium.py reads the saved game as the page holds it.
# The page is copied after each link: a change to it links again.
set(web_page ${CMAKE_CURRENT_SOURCE_DIR}/src/app/web/zorikan.html)
set_target_properties(zorikan PROPERTIES LINK_DEPENDS "${web_storage};${ZORIKAN_DATA_FILE};${web_page}"
                                         QT_WASM_EXTRA_EXPORTED_METHODS FS)
# The game's own page replaces the one Qt writes for every program.
add_custom_command(TARGET zorikan POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy ${web_page} ${CMAKE_BINARY_DIR}/zorikan.html
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_SOURCE_DIR}/packaging/icons/net.zorikan.simulator.svg
            ${CMAKE_BINARY_DIR}/zorikan.svg
    VERBATIM)
