#!/usr/bin/env bash
# A private CUPS server with one cups-pdf queue, for the tests that print
# through a real CUPS queue the way the program does on a clerk's machine.
#
#   cups_test_queue.sh start [DIR]   starts it, writes DIR/env (the variables
#                                    the tests read) and prints it
#   cups_test_queue.sh stop [DIR]    stops it and removes what it put outside DIR
#
# DIR defaults to build/cups-queue. Everything the server keeps (its
# configuration, spool, cache, logs, output and the socket it listens on)
# lives in DIR, or in /tmp/korvel-cups-<hash of DIR> when the filters (user
# lp) cannot reach DIR or its path is too long for a socket; DIR/env names the
# folders either way. The system's /etc/cups setup and a system cupsd, running
# or not, are left alone. The only file written elsewhere is the queue's own
# cups-pdf configuration in /etc/cups (cups-pdf looks nowhere else), named
# after DIR so that two checkouts do not share it, and removed again by stop.
#
# The queue, korvel-margins, is an A4 600-dpi printer whose printable area
# starts 12 points inside every edge of the sheet, like a laser printer's
# unprintable margins; cups-pdf writes every job as a PDF into the out folder.
#
# Needs root: cupsd starts the cups-pdf backend as root only when cupsd itself
# runs as root, and the backend is installed readable by root alone.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
queue=korvel-margins

die()
{
  echo "cups_test_queue.sh: $*" >&2
  exit 1
}

action=${1:-}
dir=${2:-$root/build/cups-queue}
[ "$action" = start ] || [ "$action" = stop ] || die "usage: $0 start|stop [DIR]"
mkdir -p "$dir"
dir=$(cd "$dir" && pwd)
hash=$(printf '%s' "$dir" | md5sum | cut -c1-10)
# cups-pdf picks its configuration by the path of the device URI.
uriName="korvel-$hash"
pdfConf="/etc/cups/cups-pdf-$uriName.conf"
# Where the server of the last start keeps its files.
srv=$(cat "$dir/server-dir" 2>/dev/null || echo "$dir")

stop()
{
  if [ -f "$srv/cupsd.pid" ]; then
    local pid
    pid=$(cat "$srv/cupsd.pid")
    # Only a cupsd this script started: the pid file may be stale.
    if [ -n "$pid" ] && [ "$(cat "/proc/$pid/comm" 2>/dev/null)" = cupsd ]; then
      kill "$pid" 2>/dev/null || true
      for _ in $(seq 50); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
      done
      kill -0 "$pid" 2>/dev/null && kill -KILL "$pid" 2>/dev/null || true
    fi
    rm -f "$srv/cupsd.pid"
  fi
  rm -f "$pdfConf" "$dir/env" "$dir/server-dir" "$srv/cups.sock"
}

if [ "$action" = stop ]; then
  stop
  exit 0
fi

[ "$(id -u)" -eq 0 ] || die "must run as root: cupsd runs the cups-pdf backend as root only when it is root itself"
for tool in /usr/sbin/cupsd lpadmin lpstat cupsenable cupsaccept; do
  command -v "$tool" >/dev/null 2>&1 || die "$tool is missing (scripts/setup-packages.sh installs cups)"
done
[ -x /usr/lib/cups/backend/cups-pdf ] || die "the cups-pdf backend is missing (printer-driver-cups-pdf)"

stop
# The filters run as lp and must reach the spool (a checkout under /root is
# closed to them), and a socket's path is limited to 107 bytes.
srv="$dir"
chmod a+rx "$dir"
if ! runuser -u lp -- test -x "$dir" || [ ${#dir} -gt 90 ]; then
  srv="/tmp/korvel-cups-$hash"
fi
rm -rf "$srv/etc" "$srv/spool" "$srv/cache" "$srv/state" "$srv/log" "$srv/pdf-spool" "$srv/out"
mkdir -p "$srv/etc/ppd" "$srv/spool/tmp" "$srv/cache" "$srv/state" "$srv/log" "$srv/out"
chmod a+rx "$srv"
# A job of a user other than root has cups-pdf write as that user.
chmod 1777 "$srv/out"
echo "$srv" >"$dir/server-dir"
sock="$srv/cups.sock"

cat >"$srv/etc/cups-files.conf" <<EOF
ServerRoot $srv/etc
RequestRoot $srv/spool
TempDir $srv/spool/tmp
CacheDir $srv/cache
StateDir $srv/state
ServerKeychain $srv/etc/ssl
ServerBin /usr/lib/cups
DataDir /usr/share/cups
DocumentRoot /usr/share/cups/doc-root
ErrorLog $srv/log/error_log
AccessLog $srv/log/access_log
PageLog $srv/log/page_log
Printcap $srv/state/printcap
User lp
Group lp
SystemGroup root
FileDevice No
EOF

# Reachable through its socket alone, by anyone on this machine, without a password.
cat >"$srv/etc/cupsd.conf" <<EOF
LogLevel info
MaxLogSize 0
Listen $sock
Browsing No
BrowseLocalProtocols none
WebInterface No
DefaultAuthType None
DefaultPolicy open
ErrorPolicy abort-job
PreserveJobHistory No
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy open>
  JobPrivateAccess all
  JobPrivateValues none
  SubscriptionPrivateAccess all
  SubscriptionPrivateValues none
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF

# A4 with 12-point margins on every side, 600 dpi, PostScript in as cups-pdf
# expects it.
cat >"$srv/$queue.ppd" <<'EOF'
*PPD-Adobe: "4.3"
*FormatVersion: "4.3"
*FileVersion: "1.0"
*LanguageVersion: English
*LanguageEncoding: ISOLatin1
*PCFileName: "KORVELMG.PPD"
*Manufacturer: "Korvel"
*Product: "(Korvel margins)"
*ModelName: "Korvel margins test printer"
*ShortNickName: "Korvel margins test printer"
*NickName: "Korvel margins test printer (cups-pdf)"
*PSVersion: "(3010.000) 0"
*LanguageLevel: "3"
*ColorDevice: True
*DefaultColorSpace: RGB
*FileSystem: False
*Throughput: "1"
*LandscapeOrientation: Plus90
*TTRasterizer: Type42

*OpenUI *PageSize/Page Size: PickOne
*OrderDependency: 100 AnySetup *PageSize
*DefaultPageSize: A4
*PageSize A4/A4: "<</PageSize[595.28 841.89]/ImagingBBox null>>setpagedevice"
*CloseUI: *PageSize

*OpenUI *PageRegion: PickOne
*OrderDependency: 100 AnySetup *PageRegion
*DefaultPageRegion: A4
*PageRegion A4/A4: "<</PageSize[595.28 841.89]/ImagingBBox null>>setpagedevice"
*CloseUI: *PageRegion

*DefaultImageableArea: A4
*ImageableArea A4/A4: "12 12 583.28 829.89"
*DefaultPaperDimension: A4
*PaperDimension A4/A4: "595.28 841.89"

*OpenUI *Resolution/Output Resolution: PickOne
*OrderDependency: 100 AnySetup *Resolution
*DefaultResolution: 600dpi
*Resolution 600dpi/600 DPI: "<</HWResolution[600 600]>>setpagedevice"
*CloseUI: *Resolution

*DefaultFont: Courier
*Font Courier: Standard "(002.004S)" Standard ROM
EOF

# Every job into the out folder, named after its title with the job number in
# front, whoever sends it; cups-pdf's own spool and log beside it.
cat >"$pdfConf" <<EOF
Out $srv/out
AnonDirName $srv/out
Spool $srv/pdf-spool
Log $srv/log
LogType 3
Label 1
TitlePref 1
Grp lp
UserUMask 0022
EOF

if ! /usr/sbin/cupsd -t -c "$srv/etc/cupsd.conf" -s "$srv/etc/cups-files.conf" >"$srv/log/cupsd-check.txt" 2>&1; then
  stop
  die "cupsd rejects the configuration: $(cat "$srv/log/cupsd-check.txt")"
fi
# In the foreground, so that its pid is known; its output goes to the log, not
# to the pipe of whoever started this script.
nohup /usr/sbin/cupsd -f -c "$srv/etc/cupsd.conf" -s "$srv/etc/cups-files.conf" \
  >"$srv/log/cupsd.out" 2>&1 </dev/null &
echo $! >"$srv/cupsd.pid"

export CUPS_SERVER="$sock"
up=
for _ in $(seq 100); do
  if [ -S "$sock" ] && lpstat -r >/dev/null 2>&1; then
    up=1
    break
  fi
  kill -0 "$(cat "$srv/cupsd.pid")" 2>/dev/null || break
  sleep 0.1
done
if [ -z "$up" ]; then
  stop
  die "cupsd did not start; see $srv/log/error_log and $srv/log/cupsd.out"
fi

if ! lpadmin -p "$queue" -v "cups-pdf:/$uriName" -P "$srv/$queue.ppd" -o printer-error-policy=abort-job \
  -o job-sheets-default=none,none >"$srv/log/lpadmin.txt" 2>&1 ||
  ! cupsenable "$queue" || ! cupsaccept "$queue"; then
  stop
  die "the queue $queue could not be added: $(cat "$srv/log/lpadmin.txt")"
fi

# Not CUPS_SERVER itself: exported to every test, it would show the queue to
# the tests that expect the machine's own printers. lp and lpstat reach the
# queue with CUPS_SERVER=$KORVEL_CUPS_SERVER.
cat >"$dir/env" <<EOF
KORVEL_CUPS_SERVER=$sock
KORVEL_CUPS_QUEUE=$queue
KORVEL_CUPS_OUT=$srv/out
KORVEL_CUPS_LOG=$srv/log
EOF
cat "$dir/env"
