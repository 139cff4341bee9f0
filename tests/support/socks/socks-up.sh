#!/bin/sh
# Start loopback SOCKS proxies for client tests, as root or as any other user. All state in $D.
# scripts/install-deps installs the packages (openssh-server, microsocks, dante-server).
#   11082  OpenSSH `ssh -D`   SOCKS4, SOCKS4A, SOCKS5 (no auth)
#   11090  microsocks         SOCKS5 + RFC1929 user/pass only (socktest / S0cks-Pass)
#   11080  Dante              SOCKS4, SOCKS5 no auth; rejects SOCKS4A (91) -> negative test
set -eu
# danted and sshd live in /usr/sbin, which the PATH of a user other than root often lacks.
PATH=$PATH:/usr/sbin:/sbin
D=${D:-${TMPDIR:-/tmp}/tamaris-socks}; mkdir -p "$D"; chmod 700 "$D"
for tool in /usr/sbin/sshd ssh microsocks danted ss; do
  command -v "$tool" >/dev/null || { echo "missing $tool: run scripts/install-deps" >&2; exit 1; }
done
# An sshd that is not root can only let in the user it runs as: the forward logs in as us.
me=$(id -un)
# --- OpenSSH: private sshd on 127.0.0.1:12222 + dynamic forward on 11082
[ -f "$D/hostkey" ]   || ssh-keygen -q -t ed25519 -N '' -f "$D/hostkey"
[ -f "$D/clientkey" ] || { ssh-keygen -q -t ed25519 -N '' -f "$D/clientkey"; cp "$D/clientkey.pub" "$D/authorized_keys"; }
cat > "$D/sshd_config" <<EOC
ListenAddress 127.0.0.1
Port 12222
HostKey $D/hostkey
PidFile $D/sshd.pid
AuthorizedKeysFile $D/authorized_keys
PasswordAuthentication no
KbdInteractiveAuthentication no
PermitRootLogin prohibit-password
UsePAM no
StrictModes no
AllowTcpForwarding local
PermitTTY no
X11Forwarding no
EOC
# sshd run by root insists on its privilege-separation directory; run by a user it has none.
[ "$(id -u)" -ne 0 ] || mkdir -p /run/sshd
/usr/sbin/sshd -f "$D/sshd_config" -E "$D/sshd.log"          # daemonizes, writes $D/sshd.pid
ssh -F /dev/null -N -D 127.0.0.1:11082 -p 12222 -i "$D/clientkey" -o BatchMode=yes \
    -o ExitOnForwardFailure=yes -o StrictHostKeyChecking=accept-new \
    -o UserKnownHostsFile="$D/known_hosts" -E "$D/ssh-D.log" "$me@127.0.0.1" &
echo $! > "$D/ssh-D.pid"
# --- microsocks: SOCKS5 with mandatory user/pass
microsocks -i 127.0.0.1 -p 11090 -u socktest -P S0cks-Pass > "$D/microsocks.log" 2>&1 &
echo $! > "$D/microsocks.pid"
# --- Dante: SOCKS4 + SOCKS5 no-auth
# Dante switches between these users only when it runs as root.
users=""
[ "$(id -u)" -ne 0 ] || users="user.privileged: root
user.unprivileged: nobody"
cat > "$D/danted.conf" <<EOC
logoutput: $D/danted.log
internal: 127.0.0.1 port = 11080
external: 127.0.0.1
$users
socksmethod: none
client pass {
  from: 127.0.0.0/8 to: 0.0.0.0/0
  log: error
}
socks pass {
  from: 127.0.0.0/8 to: 127.0.0.0/8
  command: connect
  log: error connect
}
socks block {
  from: 0.0.0.0/0 to: 0.0.0.0/0
  log: connect error
}
EOC
danted -V -f "$D/danted.conf"
danted -D -f "$D/danted.conf" -p "$D/danted.pid"
# wait until all three listen
for i in $(seq 50); do
  n=$(ss -ltn | grep -cE '127\.0\.0\.1:(11080|11082|11090) ') || true
  [ "$n" -ge 3 ] && exit 0; sleep 0.2
done
echo "proxies did not come up" >&2; exit 1
