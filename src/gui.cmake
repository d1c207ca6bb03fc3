# The Qt side: the drawing library and the desktop program. Included from the
# top-level CMakeLists.txt when MIRELO_GUI is on.

# mirelo_view: projection and painting onto any QPaintDevice (Qt Gui only), so
# tests and mirelo-cli can render a model into a QImage.
mirelo_sources(MIRELO_VIEW_SOURCES view)
add_library(mirelo_view STATIC ${MIRELO_VIEW_SOURCES})
target_link_libraries(mirelo_view PUBLIC mirelo_core Qt6::Gui)
target_compile_options(mirelo_view PRIVATE ${MIRELO_WARNINGS})

# mirelo-cli picture paints off-screen with the view library.
target_sources(mirelo-cli PRIVATE ${CMAKE_SOURCE_DIR}/src/cli/PictureCommand.cpp ${CMAKE_SOURCE_DIR}/src/cli/ForcePicture.cpp)
target_link_libraries(mirelo-cli PRIVATE mirelo_view)
target_compile_definitions(mirelo-cli PRIVATE MIRELO_CLI_PICTURE)

# mirelo_app: every window, dialog and widget (src/gui/<subsystem>); a library
# so the window tests can drive the same code the program runs.
file(GLOB MIRELO_APP_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/src/gui/*/*.cpp
  ${CMAKE_SOURCE_DIR}/src/gui/*/*.h)
list(FILTER MIRELO_APP_SOURCES EXCLUDE REGEX "/src/gui/main/main\\.cpp$")
file(GLOB MIRELO_APP_RESOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/gui/*/*.qrc)
add_library(mirelo_app STATIC ${MIRELO_APP_SOURCES} ${MIRELO_APP_RESOURCES})
set_target_properties(mirelo_app PROPERTIES AUTOMOC ON AUTORCC ON)
target_link_libraries(mirelo_app PUBLIC mirelo_view Qt6::Widgets Qt6::Charts)
target_compile_options(mirelo_app PRIVATE ${MIRELO_WARNINGS})
# A program run from its build tree finds the tutorial in the sources as well.
target_compile_definitions(mirelo_app PRIVATE MIRELO_SOURCE_DIR="${CMAKE_SOURCE_DIR}")

# The captions are English in the sources; translations/mirelo_<locale>.ts are
# compiled by lrelease into the program's resources under :/i18n, where the
# program looks for the one of the user's locale. The update_translations
# target (lupdate) collects the captions of the windows and of the drawing's
# status texts.
file(GLOB MIRELO_TRANSLATIONS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/translations/*.ts)
qt_add_translations(mirelo_app TS_FILES ${MIRELO_TRANSLATIONS} RESOURCE_PREFIX /i18n
                    SOURCES ${MIRELO_APP_SOURCES} ${MIRELO_VIEW_SOURCES} LUPDATE_OPTIONS -no-obsolete -locations none)

add_executable(mirelo ${CMAKE_SOURCE_DIR}/src/gui/main/main.cpp)
target_link_libraries(mirelo PRIVATE mirelo_app)
target_compile_options(mirelo PRIVATE ${MIRELO_WARNINGS})

# The tutorial ships beside the program (build tree) and in the shared-data
# folder of an installation, where Help > Mirelo Tutorial looks for it.
file(GLOB MIRELO_TUTORIAL_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/docs/*.html ${CMAKE_SOURCE_DIR}/docs/*.png)
foreach(page IN LISTS MIRELO_TUTORIAL_FILES)
  get_filename_component(name ${page} NAME)
  configure_file(${page} ${CMAKE_BINARY_DIR}/docs/${name} COPYONLY)
endforeach()
install(TARGETS mirelo mirelo-cli RUNTIME DESTINATION bin)
install(FILES ${MIRELO_TUTORIAL_FILES} DESTINATION share/doc/mirelo)
