# Scenarios run by con-sway.sh (sourced: manda, attendi, mai, schermata,
# avvia and chiudi come from there). Each line of the program's account
# that a step waits for says where the keys went: "premuto Right ->
# <control> in <window or panel>".

# --- A keyboard user (input mode 3): arrows move, Enter chooses.
avvia 3
schermata menu
manda "batti Right"
attendi 'premuto Right -> .* in FormMenu'
manda "batti Return"
attendi 'fuoco FormEs2'
schermata esercizio

# The picture for colouring: Ctrl+P opens it over the exercise and it has
# the keys; Right moves its highlight, Enter prints the second drawing
# through the print window, Escape leaves the print window, Alt+E the
# picture, and the exercise is still there with the keys.
manda "batti Control_L+p"
attendi 'mostra Form1'
schermata figura
manda "batti Right"
attendi 'premuto Right -> .* in Form1'
manda "batti Return"
attendi 'mostra frmStampa'
schermata figura-stampa
manda "batti Escape"
attendi 'premuto Esc -> .* in frmStampa'
attendi 'nasconde frmStampa'
manda "batti Alt_L+e"
attendi 'nasconde Form1'
mai 'nasconde FormEs2'
manda "batti Right"
attendi 'premuto Right -> .* in FormEs2'

# The print window from the exercise (Ctrl+O), and a question asked in it:
# a print 900 mm wide does not fit the sheet. Escape answers the question
# (Cancel: back to the print window), Escape again closes the print window.
manda "batti Control_L+o"
attendi 'mostra frmStampa'
schermata stampa
for _ in 1 2 3 4 5 6 7 8; do manda "batti Tab"; done
# The account names the control that had the keys as each one arrives.
attendi 'premuto Tab -> cmdOrigine in frmStampa'
manda "batti 9"
manda "batti 0"
manda "batti 0"
attendi 'premuto 0 -> txtPrW in frmStampa'
manda "batti Alt_L+s"
attendi 'mostra QMessageBox'
schermata domanda
manda "batti Escape"
attendi 'premuto Esc -> .* in QMessageBox'
attendi 'nasconde QMessageBox'
mai 'nasconde frmStampa'
manda "batti Escape"
attendi 'premuto Esc -> .* in frmStampa'
attendi 'nasconde frmStampa'

# Alt+E leaves the exercise for the menu; the menu's last button ends the
# program.
manda "batti Alt_L+e"
attendi 'fuoco FormMenu'
manda "batti Left"
attendi 'premuto Left -> .* in FormMenu'
manda "batti Return"
chiudi

# --- A two-switch user (input mode 1): Space moves, Enter chooses.
avvia 1
schermata menu-sensori
# A switch held for two seconds moves the highlight once: Enter then opens
# the second exercise, not a later one.
manda "tieni space 2000"
manda "batti Return"
attendi 'mostra FormEs'
attendi 'fuoco FormEs2'
manda "batti Control_L+p"
attendi 'mostra Form1'
# Space goes round the four drawings to "Esci"; Enter there closes it.
for _ in 1 2 3 4; do manda "batti space"; manda "pausa 400"; done
attendi 'premuto Space -> .* in Form1'
manda "batti Return"
attendi 'nasconde Form1'
mai 'nasconde FormEs2'
manda "batti Control_L+v"
attendi 'mostra frmStampa'
manda "batti Escape"
attendi 'nasconde frmStampa'
manda "batti Alt_L+e"
attendi 'fuoco FormMenu'
