# Data pieces of the UI model: the edit-mask engine, the client data set, bitmaps and image
# lists (pxq_vcl_data). They depend on no control or form class.
pxq_library(pxq_vcl_data
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/mask.cpp ${CMAKE_CURRENT_LIST_DIR}/dataset.cpp
          ${CMAKE_CURRENT_LIST_DIR}/bitmap.cpp ${CMAKE_CURRENT_LIST_DIR}/imagelist.cpp
  LIBS pxq_variant pxq_os)

pxq_test(pxq_vcl_data_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/mask_test.cpp ${CMAKE_CURRENT_LIST_DIR}/dataset_test.cpp
          ${CMAKE_CURRENT_LIST_DIR}/bitmap_test.cpp
  LIBS pxq_vcl_data pxq_testing)

pxq_fuzzer(fuzz_mask SOURCES ${CMAKE_CURRENT_LIST_DIR}/mask_fuzz.cpp LIBS pxq_vcl_data)
pxq_fuzzer(fuzz_bitmap SOURCES ${CMAKE_CURRENT_LIST_DIR}/bitmap_fuzz.cpp LIBS pxq_vcl_data)
