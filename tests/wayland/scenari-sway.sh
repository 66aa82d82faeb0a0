avvia 3
manda "batti Right"
manda "batti Return"
attendi 'fuoco FormEs'
manda "batti Control_L+p"
attendi 'mostra Form1'
manda "batti Right"
manda "batti Return"
attendi 'mostra frmStampa'
schermata stampa
manda "batti Escape"
attendi 'nasconde frmStampa'
manda "batti Alt_L+e"
attendi 'nasconde Form1'
manda "batti Control_L+o"
attendi 'mostra frmStampa'
for i in 1 2 3 4 5 6 7 8 9 10 11 12 13 14; do manda "batti Tab"; done
sleep 1
