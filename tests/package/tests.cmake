# The download's readme.txt: the conversion scripts/package.sh makes, run on
# the README as it is. A host test, so that the README's test command
# (scripts/test.sh) fails on an edit that would break the package.
add_test(NAME package.readme_text
  COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/readme_text_test.sh ${PROJECT_SOURCE_DIR})
