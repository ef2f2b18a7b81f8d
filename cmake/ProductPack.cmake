# The product's resources, compiled from bank/ and assets/skin/ by bankc and
# carried inside the program as one pack.
file(GLOB_RECURSE ORBISK_BANK_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/bank/*.yaml
     ${PROJECT_SOURCE_DIR}/bank/pictures/*)
file(GLOB ORBISK_SKIN_PICTURES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/assets/skin/*.bmp
     ${PROJECT_SOURCE_DIR}/assets/skin/*.ico ${PROJECT_SOURCE_DIR}/assets/skin/*.gif)
set(ORBISK_PRODUCT_PACK ${PROJECT_BINARY_DIR}/product/resources.pack)
add_custom_command(
  OUTPUT ${ORBISK_PRODUCT_PACK}
  COMMAND bankc ${PROJECT_SOURCE_DIR}/bank ${PROJECT_BINARY_DIR}/product --skin ${PROJECT_SOURCE_DIR}/assets/skin
  DEPENDS bankc ${ORBISK_BANK_SOURCES} ${ORBISK_SKIN_PICTURES}
  COMMENT "Compiling the question bank and the skin into the resource pack"
  VERBATIM)
add_custom_target(product_pack DEPENDS ${ORBISK_PRODUCT_PACK})

# Carries the pack inside @p target as one uncompressed Qt resource
# (":/orbisk/resources.pack"), read in place by EmbeddedPackBytes(). rcc writes
# it straight into an object file (BIG_RESOURCES), so the build does not
# compile a C++ array of its bytes.
function(orbisk_embed_pack target)
  set_source_files_properties(${ORBISK_PRODUCT_PACK} PROPERTIES QT_RESOURCE_ALIAS resources.pack GENERATED TRUE)
  qt_add_resources(${target} orbisk_pack PREFIX /orbisk BIG_RESOURCES FILES ${ORBISK_PRODUCT_PACK}
                   OPTIONS --no-compress)
  add_dependencies(${target} product_pack)
endfunction()
