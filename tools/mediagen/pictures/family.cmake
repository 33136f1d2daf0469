# Pictures: every image of the media tree and the contact sheets.
mediagen_family(pictures DEPENDS ${PROJECT_SOURCE_DIR}/data/quest/trail.txt ${PROJECT_SOURCE_DIR}/data/story.txt)
