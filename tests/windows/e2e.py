#!/usr/bin/env python3
"""End-to-end runs of the real Windows programs under Wine.

The programs are started as a user would start them (through run_and_watch.exe,
which also plays the user at every message box: it reads the box's text bytes
and icon and presses OK). The host is the stand-in host: a separate process
where Wine allows it, and for the menu, dialog, watch and exit steps a thread
of the program itself, because Wine cannot read another process's menus:
run_hook.dll starts the host there. For such a run the program is copied, byte
for byte, into a folder of its own beside run_hook.dll named shell32.dll, and
Wine is told to prefer that DLL to its own, so the program loads it with its
other DLLs before its own code runs. The same DLL raises real structured
exceptions (a null-pointer write, a raised code) inside chosen Win32 calls of
the program.

Every program of one Wine prefix shares its desktop (a box or a host of one
scenario would be found by another), so scenarios run in lanes: each lane has
a copy of the prefix and an X server of its own, and runs its scenarios one
after another; the lanes run side by side.

Usage: e2e.py BUILD_DIR [LANES [NAME_PART]]   (a Windows build with BUILD_TESTING on, the default;
NAME_PART runs only the scenarios whose names contain it)
Needs: WINE (the loader to use), WINEPREFIX (a booted prefix, not in use),
Xvfb, and the ja_JP.UTF-8 locale for a Japanese system code page.
"""
import concurrent.futures
import os
import shutil
import subprocess
import sys
import tempfile
import time

BUILD = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build/win64")
LANES = int(sys.argv[2]) if len(sys.argv) > 2 else 4
ONLY = sys.argv[3] if len(sys.argv) > 3 else ""
WINE = os.environ.get("WINE", "wine")
WORK = tempfile.mkdtemp(prefix="veskara-e2e-")

# The catalogue, written out here on its own (UTF-8 source, encoded to code page 932).
ERASE_COMMAND = {"west": "Erase ReWritable...", "east": "メディアの消去..."}
BUTTON = {"west": "Erase", "east": "消去"}


def message(key, edition="west", number=None):
    texts = {
        "M1": "Nero を起動できませんでした。\r\nエラーコード： %d" % (number if number is not None else 0),
        "M2": "メインウィンドウの取得に失敗しました。",
        "M3": '"%s" メニューを選択できませんでした。' % ERASE_COMMAND[edition],
        "M4": '"%s" ボタンを見つけられませんでした。' % BUTTON[edition],
        "M5": '"%s" ボタンを押せませんでした。' % BUTTON[edition],
        "M6": "メディアの消去を開始できませんでした。",
        "M7": "タイムアウト。\r\n手動で Nero を終了させて下さい。",
        "M8": "Nero を見失いました。\u3000終了します。",
        "M9": 'メニューから "終了" を実行できませんでした。',
        "M10": "Nero を終了させられませんでした。",
    }
    icon = "info" if key in ("M7", "M8") else "error"
    return "box %s %s caption=Veskara" % (icon, texts[key].encode("cp932").hex().upper())


def win(path):
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def exe(name, suffix=".exe"):
    for folder in (BUILD, os.path.join(BUILD, "tests", "windows")):
        path = os.path.join(folder, name + suffix)
        if os.path.exists(path):
            return path
    raise SystemExit("missing program %s in %s" % (name, BUILD))


def read_lines(path):
    try:
        with open(path, "rb") as f:
            return [line.decode("latin-1").rstrip("\r\n") for line in f]
    except FileNotFoundError:
        return []


def wait_for(path, line, seconds=20):
    end = time.time() + seconds
    while time.time() < end:
        if line in read_lines(path):
            return True
        time.sleep(0.1)
    return False


class Scenario:
    def __init__(self, name, seconds, program, arguments="", host=None, host_process=None, expect_boxes=(),
                 host_has=(), host_lacks=(), hosted=False, faults=""):
        self.name = name
        self.estimate = seconds         # about how long it runs, to balance the lanes
        self.seconds = 0.0
        self.program = program          # "veskara_west" or "veskara_east"
        self.arguments = arguments      # the program's arguments, as typed
        self.host = host                # stand-in settings for a host the shell or the program starts
        self.host_process = host_process  # stand-in settings for a host already running as its own process
        self.expect_boxes = list(expect_boxes)
        self.host_has = list(host_has)
        self.host_lacks = list(host_lacks)
        self.hosted = hosted            # the host runs on a thread of the program (run_hook.dll)
        self.faults = faults            # run_hook.dll's VESKARA_FAULTS

    def run(self, lane_env):
        report = os.path.join(WORK, self.name + ".run.txt")
        host_report = os.path.join(WORK, self.name + ".host.txt")
        env = dict(lane_env)
        running = None
        if self.host is not None:
            env["VESKARA_STAND_IN"] = "report=" + win(host_report) + ";" + self.host
        program = exe(self.program)
        if self.hosted:
            folder = os.path.join(WORK, self.name)
            os.makedirs(folder)
            program = shutil.copy(program, folder)
            shutil.copy(exe("run_hook", ".dll"), os.path.join(folder, "shell32.dll"))
            env["WINEDLLOVERRIDES"] = "shell32=n,b"
            env["VESKARA_FAULTS"] = self.faults
        if self.host_process is not None:
            host_env = dict(env, VESKARA_STAND_IN="report=" + win(host_report) + ";" + self.host_process)
            running = subprocess.Popen([WINE, exe("stand_in_host")], env=host_env,
                                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            if not wait_for(host_report, "main window shown"):
                return ["the already running host never showed its main window"]
        command = '"%s" %s' % (win(program), self.arguments)
        started = time.time()
        env["VESKARA_COMMAND_LINE"] = command
        try:
            subprocess.run([WINE, exe("run_and_watch"), win(report)], env=env,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=300)
        except subprocess.TimeoutExpired:
            pass  # reported below: no exit line
        self.seconds = time.time() - started
        # Whatever the scenario left running (a host) goes, so the next one starts on an empty desktop.
        subprocess.run(["wineserver", "-k"], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        if running is not None:
            running.wait()
        lines = read_lines(report)
        host_lines = read_lines(host_report)
        failures = []
        boxes = [line for line in lines if line.startswith("box ")]
        if boxes != self.expect_boxes:
            failures.append("boxes: wanted %s, got %s" % (self.expect_boxes, boxes))
        exits = [line for line in lines if line.startswith("exit ")]
        if len(exits) != 1 or not exits[0].startswith("exit 0 "):
            failures.append("exit status: wanted 0, got %s" % exits)
        for line in self.host_has:
            if host_lines.count(line) != 1:
                failures.append("host report: wanted %r once, got %s" % (line, host_lines))
        for line in self.host_lacks:
            if line in host_lines:
                failures.append("host report: did not want %r, got %s" % (line, host_lines))
        return failures


def settings(scenario, edition="west", *more):
    """A stand-in settings text: a host scenario of tests/host/host_description.cpp, facing a program
    of the given edition, and further name=value words."""
    return ";".join(["edition=" + edition, "scenario=" + scenario] + list(more))


# Each case is named after its host scenario (the names the simulator and the native tests use),
# then how the host runs: "shell" (its own process, started through the shell), "separate" (its
# own process, already running), "hosted" (a thread of the program, by run_hook.dll).
def scenarios():
    missing = r"C:\Program Files\Nowhere\nero.exe"
    stand_in = win(exe("stand_in_host"))
    idle = win(exe("idle"))
    ended = "run ended with status 0"
    full_run = ["started", "main window shown", "afx closed", "erase command", "dialog opened", "click",
                "erase finished", ended]
    return [
        # Separate processes: start, look-up and the Afx window work across processes under Wine.
        Scenario("not-installed.west", 4, "veskara_west", '"%s"' % missing, expect_boxes=[message("M1", number=2)]),
        Scenario("not-installed.east.noclose", 4, "veskara_east", '/NoClose "%s"' % missing,
                 expect_boxes=[message("M1", "east", number=2)]),
        Scenario("not-installed.lower-case-switch", 4, "veskara_west", "/noclose",
                 expect_boxes=[message("M1", number=2)]),
        Scenario("no-window.shell", 15, "veskara_west", stand_in, host=settings("no-window", "west", "quit-after=20000"),
                 expect_boxes=[message("M2")], host_has=["started"], host_lacks=["afx closed"]),
        Scenario("wrong-title.shell", 15, "veskara_east", stand_in,
                 host=settings("wrong-title", "east", "quit-after=20000"), expect_boxes=[message("M2")],
                 host_has=["started", "main window shown"], host_lacks=["afx closed"]),
        # Wine cannot read the menus of another process: the run gets as far as the menu and says so (M3).
        Scenario("cold.shell", 12, "veskara_west", stand_in + " /NoClose",
                 host=settings("cold", "west", "main-window-delay=1000", "quit-after=25000"),
                 expect_boxes=[message("M3")], host_has=["started", "main window shown", "afx closed"],
                 host_lacks=["erase command"]),
        Scenario("running.separate.command-line-ignored", 10, "veskara_west", '"%s" /NoClose' % missing,
                 host_process=settings("running", "west", "quit-after=30000"), expect_boxes=[message("M3")],
                 host_has=["started", "afx closed"], host_lacks=["erase command"]),
        # The host on a thread of the program: the whole run on a real user32.
        Scenario("cold.hosted", 40, "veskara_west", idle, hosted=True, host=settings("cold"),
                 host_has=full_run + ["exit command"]),
        Scenario("running.hosted.east", 38, "veskara_east", '"%s" /NoClose' % missing, hosted=True,
                 host=settings("running", "east"), host_has=full_run, host_lacks=["exit command"]),
        Scenario("other-edition.hosted", 15, "veskara_west", "", hosted=True,
                 host=settings("other-edition", "west", "already-running"), expect_boxes=[message("M4")],
                 host_has=["erase command", "dialog opened"], host_lacks=["click"]),
        Scenario("crash.hosted", 40, "veskara_west", "", hosted=True, host=settings("crash", "west", "already-running"),
                 expect_boxes=[message("M8")], host_has=["click", "vanishes while erasing"]),
        Scenario("no-exit-item.hosted", 42, "veskara_west", idle, hosted=True, host=settings("no-exit-item"),
                 expect_boxes=[message("M9")], host_has=["erase finished"], host_lacks=["exit command"]),
        Scenario("endless-erase.hosted.east", 125, "veskara_east", "/NoClose", hosted=True,
                 host=settings("endless-erase", "east", "already-running"), expect_boxes=[message("M7", "east")],
                 host_has=["click"], host_lacks=["erase finished"]),
    ] + fault_scenarios()


def fault_scenarios():
    """Real structured exceptions inside the shipped programs' Win32 calls, both editions: a guarded
    step shows its message, the watch shows how it stood, an unguarded step ends the run quietly;
    always exit status 0 through the program's own ExitProcess, never a crash report or a hang.
    The host is the running one, or the cold one where the exit step must run."""
    ended = "run ended with status 0"
    cases = []
    for edition, one, other in (("west", "null-write", "raise"), ("east", "raise", "null-write")):
        def fault(where, seconds, faults, boxes, has=(), lacks=()):
            cases.append(Scenario("running.hosted.fault-%s.%s" % (where, edition), seconds, "veskara_" + edition,
                                  "/NoClose", hosted=True, host=settings("running", edition), faults=faults,
                                  expect_boxes=boxes, host_has=list(has) + [ended], host_lacks=lacks))

        # The dialog look-up (the Afx window's look-up is the first call of FindWindowExA).
        fault("in-button-step-lookup", 15, "FindWindowExA:2:" + one, [message("M6", edition)],
              has=["erase command"], lacks=["click"])
        # The click itself (the Afx close and the erase command are the first two sends).
        fault("in-button-step-click", 15, "SendNotifyMessageA:3:" + other, [message("M6", edition)],
              has=["dialog opened"], lacks=["click"])
        # An exception that may not be continued, as another compiler's C++ exceptions are; then a
        # second fault once the M6 box has been dismissed.
        fault("noncontinuable-in-button-step", 15, "FindWindowExA:3:noncontinuable MessageBoxA:1:%s:after" % one,
              [message("M6", edition)], has=["dialog opened"], lacks=["click"])
        fault("in-watch", 40, "IsWindowEnabled:1:" + one, [message("M7", edition)], has=["click"])
        fault("in-unguarded-step", 8, "GetMenu:1:" + other, [], has=["afx closed"], lacks=["erase command"])
        # A fault that leaves through user32's own frames (a callback inside EnumWindows), then a
        # second one once the M6 box has been dismissed: the guard left the thread sane.
        fault("after-a-caught-one", 15, "FindWindowExA:2:callback MessageBoxA:1:%s:after" % other,
              [message("M6", edition)], has=["erase command"], lacks=["click"])
        # The exit step runs only when the host is to be closed: a cold start without /NoClose.
        cases.append(Scenario("cold.hosted.fault-in-exit-step." + edition, 42, "veskara_" + edition, win(exe("idle")),
                              hosted=True, host=settings("cold", edition), faults="GetMenuItemCount:1:" + one,
                              expect_boxes=[message("M10", edition)], host_has=["erase finished", ended],
                              host_lacks=["exit command"]))
    return cases


def start_xvfb():
    """An X server on a display number that no other one uses (Xvfb picks it and says which)."""
    read, write = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                            pass_fds=(write,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write)
    with os.fdopen(read) as answer:
        display = ":" + answer.readline().strip()
    return xvfb, display


def start_lane(number):
    """A copy of the prefix and an X server of the lane's own."""
    xvfb, display = start_xvfb()
    prefix = os.path.join(WORK, "prefix%d" % number)
    shutil.copytree(os.environ["WINEPREFIX"], prefix, symlinks=True)
    env = dict(os.environ, WINEPREFIX=prefix, DISPLAY=display)
    return xvfb, env


def stop_lane(xvfb, env):
    subprocess.run(["wineserver", "-k"], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    xvfb.terminate()
    xvfb.wait()
    shutil.rmtree(env["WINEPREFIX"], ignore_errors=True)  # the reports stay


def run_lane(number, lane):
    xvfb, env = start_lane(number)
    try:
        return [(s, s.run(env)) for s in lane]
    finally:
        stop_lane(xvfb, env)


def main():
    lanes = [[] for _ in range(LANES)]
    for s in sorted((s for s in scenarios() if ONLY in s.name), key=lambda s: -s.estimate):
        min(lanes, key=lambda lane: sum(x.estimate for x in lane)).append(s)
    started = time.time()
    passed = failed = 0
    with concurrent.futures.ThreadPoolExecutor(max_workers=LANES) as pool:
        for results in pool.map(run_lane, range(LANES), lanes):
            for s, failures in results:
                if failures:
                    failed += 1
                    print("FAIL  %s (%.1f s)" % (s.name, s.seconds))
                    for failure in failures:
                        print("      " + failure)
                else:
                    passed += 1
                    print("ok    %s (%.1f s)" % (s.name, s.seconds))
    print("Wine end-to-end: %d lanes, %.0f s wall time, reports in %s" % (LANES, time.time() - started, WORK))
    print("%d passed, %d failed" % (passed, failed))
    return 0 if failed == 0 else 1


if __name__ == "__main__":
    sys.exit(main())
