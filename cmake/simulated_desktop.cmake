# Native builds: the run linked against the simulated desktop, the simulator
# front end, and the tests.
add_library(veskara_sim_desktop STATIC
  src/platform/sim/sim_desktop.cpp
  src/platform/sim/fault_guard.cpp
  src/platform/sim/timeline.cpp)
target_include_directories(veskara_sim_desktop PUBLIC src)

# The Nero that the simulator and the tests play on the simulated desktop.
add_library(veskara_scripted_host STATIC tests/host/host_description.cpp tests/host/scripted_host.cpp)
target_include_directories(veskara_scripted_host PUBLIC tests/host)
target_link_libraries(veskara_scripted_host PUBLIC veskara_sim_desktop)

foreach(edition IN LISTS VESKARA_EDITIONS)
  add_executable(veskara_sim_${edition} tools/simulate.cpp)
  target_link_libraries(veskara_sim_${edition} PRIVATE
    veskara_logic veskara_edition_${edition} veskara_scripted_host)
endforeach()

if(BUILD_TESTING)
  add_subdirectory(tests)
  add_subdirectory(tests/conformance)
endif()
if(VESKARA_FUZZ)
  add_subdirectory(tests/fuzz)
endif()
