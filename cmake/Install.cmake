# `cmake --install` lays the program out like any other Linux program:
#   bin/norvalen                      the start command (scripts/norvalen.sh)
#   libexec/norvalen/                 the program and the model estate's lay-out
#   share/norvalen/Mallitila/         the model estate as built
#   share/applications, share/pixmaps the desktop entry and its icon
# The program folder (~/Norvalen/Ohjelma, with "Settings.dat") and the estates
# folder (~/Norvalen/Metsätilat) are the user's: the start command makes them
# at the first start and lays out the model estate's missing files there.
# The start command finds the rest relative to itself, so these folders are
# fixed and the prefix free.
install(TARGETS norvalen RUNTIME DESTINATION libexec/norvalen)
install(PROGRAMS ${PROJECT_SOURCE_DIR}/scripts/lay-out-model-estate.sh DESTINATION libexec/norvalen)
install(PROGRAMS ${PROJECT_SOURCE_DIR}/scripts/norvalen.sh DESTINATION bin RENAME norvalen)
install(DIRECTORY ${NORVALEN_MODEL_ESTATE_DIR}/ DESTINATION share/norvalen/Mallitila)
install(FILES ${PROJECT_SOURCE_DIR}/resources/norvalen.desktop DESTINATION share/applications)
install(FILES ${NORVALEN_PICTURES_DIR}/MANTY1.png DESTINATION share/pixmaps RENAME norvalen.png)
