# Native builds: the run linked against the simulated desktop, the simulator
# front end, and the tests.
add_library(veskara_sim_desktop STATIC
  src/platform/sim/sim_desktop.cpp
  src/platform/sim/fault_guard.cpp
  src/platform/sim/scripted_host.cpp
  src/platform/sim/timeline.cpp)
target_include_directories(veskara_sim_desktop PUBLIC src)

foreach(edition IN LISTS VESKARA_EDITIONS)
  add_executable(veskara_sim_${edition} tools/simulate.cpp)
  target_link_libraries(veskara_sim_${edition} PRIVATE
    veskara_logic veskara_edition_${edition} veskara_sim_desktop)
endforeach()

if(VESKARA_TESTS)
  enable_testing()
  add_subdirectory(tests)
endif()
if(VESKARA_FUZZ)
  add_subdirectory(tests/fuzz)
endif()
