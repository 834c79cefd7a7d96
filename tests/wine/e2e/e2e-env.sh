# The end-to-end tests' additions to wine-env.sh (sourced after it, not run).

# Makes url_recorder.exe the prefix's handler for web addresses. Wine's ShellExecute looks the
# address's scheme up as a class, HKCR\<scheme>\shell\open\command, and runs that command with %1
# replaced by the address. Tried with Wine 8.0: HKCR is HKLM\Software\Classes alone, where wineboot
# put "winebrowser.exe" "%1" (a value under HKCU\Software\Classes\https is not seen at all), and
# Software\Wine\WineBrowser only steers winebrowser.exe, which then never runs. So the HKLM value it is.
url_recorder_register() {
    local exe scheme
    exe=$("$WINE" winepath -w "$1" 2>/dev/null)
    for scheme in http https; do
        wine_reg add "HKLM\\Software\\Classes\\$scheme\\shell\\open\\command" /ve /d "\"$exe\" \"%1\"" /f
    done
}

# Back to Wine's own handler, as wineboot writes it, for whoever uses the prefix after us.
url_recorder_unregister() {
    local scheme
    for scheme in http https; do
        wine_reg add "HKLM\\Software\\Classes\\$scheme\\shell\\open\\command" /ve \
            /d "\"C:\\windows\\system32\\winebrowser.exe\" \"%1\"" /f || true
    done
}
