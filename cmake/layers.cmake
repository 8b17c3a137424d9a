include_guard(GLOBAL)

# vexalo_publish_layer(target)
# Each folder of the sources is a layer, built as one library, and a file includes another layer's
# header as "folder/header.h". The repository root is on no include path: a layer publishes its
# folder through a directory of the build that holds nothing but a link to it, and only the
# targets that link the layer see it. A header of a layer that is not linked fails to compile.
function(vexalo_publish_layer target)
    get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
    set(published ${CMAKE_BINARY_DIR}/layers/${folder})
    file(MAKE_DIRECTORY ${published})
    file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${published}/${folder} SYMBOLIC)
    target_include_directories(${target} PUBLIC ${published})
endfunction()
