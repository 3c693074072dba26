Begin XPButtonX CMBSalin
   Left            =   120
   Top             =   120
   Width           =   1215
   Height          =   375
   _extentx        =   2143
   _extenty        =   661
   caption         =   "&Salin"
   forecolor       =   &H80000012&
   forehover       =   0
   BeginProperty font
      name            =   "MS Sans Serif"
      size            =   8.25
      weight          =   400
      italic          =   0
      underline       =   0
      strikethrough   =   0
   EndProperty
End
Begin XPButtonX CMBSimpanGambar
   Left            =   1440
   Top             =   120
   Width           =   1695
   Height          =   375
   _extentx        =   2990
   _extenty        =   661
   caption         =   "Simpan &Gambar"
   forecolor       =   &H80000012&
   forehover       =   0
   BeginProperty font
      name            =   "MS Sans Serif"
      size            =   8.25
      weight          =   400
      italic          =   0
      underline       =   0
      strikethrough   =   0
   EndProperty
End
Begin XPButtonX CMBClose
   Left            =   3240
   Top             =   120
   Width           =   1215
   Height          =   375
   _extentx        =   2143
   _extenty        =   661
   caption         =   "&Close"
   forecolor       =   &H80000012&
   forehover       =   0
   BeginProperty font
      name            =   "MS Sans Serif"
      size            =   8.25
      weight          =   400
      italic          =   0
      underline       =   0
      strikethrough   =   0
   EndProperty
End
