# Converts a Tovana ledger (read as UTF-8) to the common plain-text journal
# format of the command-line accounting tools, for timing a balance report of
# such a tool on the same year: one transaction a verification, debit +amount,
# credit -amount, account 0 left out.
#     iconv -f cp1252 -t utf-8 ar.red | awk -f bench/tilltextjournal.awk > ar.journal
BEGIN { FS=";" }
NR==1 { next }
{
  sub(/\r$/, "")
  if ($1 != ver) { if (ver != "") printf "\n"; ver=$1; d=$2; printf "20%s/%s/%s %s\n", substr(d,1,2), substr(d,3,2), substr(d,5,2), $7 }
  b=$3; gsub(",", ".", b)
  if ($4 != 0) printf "    A%s  %.2f SEK\n", $4, b
  if ($5 != 0) printf "    A%s  %.2f SEK\n", $5, -b
}
