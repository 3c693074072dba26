Begin XPButtonX XPButton1
   Container       =   "Frame4"
   Left            =   240
   Top             =   360
   Width           =   1335
   Height          =   375
   ToolTipText     =   "Proses CPU"
   _extentx        =   2355
   _extenty        =   661
   caption         =   "&Proses"
   forecolor       =   16744576
   forehover       =   255
   BeginProperty font
      name            =   "Verdana"
      size            =   8.25
      weight          =   400
      italic          =   0
      underline       =   0
      strikethrough   =   0
   EndProperty
End
Begin XPButtonX XPButton2
   Container       =   "Frame4"
   Left            =   1680
   Top             =   360
   Width           =   1215
   Height          =   375
   ToolTipText     =   "Reset CPU"
   _extentx        =   2143
   _extenty        =   661
   caption         =   "&Reset"
   forecolor       =   16744576
   forehover       =   255
   BeginProperty font
      name            =   "Verdana"
      size            =   8.25
      weight          =   400
      italic          =   0
      underline       =   0
      strikethrough   =   0
   EndProperty
End
Begin XPButtonX CMBPrint
   Container       =   "Frame4"
   Left            =   3000
   Top             =   360
   Width           =   1215
   Height          =   375
   ToolTipText     =   "Cetak ke printer"
   _extentx        =   2143
   _extenty        =   661
   caption         =   "&Print"
   forecolor       =   16744576
   forehover       =   255
   BeginProperty font
      name            =   "MS Sans Serif"
      size            =   8.25
      weight          =   400
      italic          =   0
      underline       =   0
      strikethrough   =   0
   EndProperty
End
Begin XPButtonX CMBSimpan
   Container       =   "Frame4"
   Left            =   4320
   Top             =   360
   Width           =   1215
   Height          =   375
   ToolTipText     =   "Simpan sebagai Teks"
   _extentx        =   2143
   _extenty        =   661
   caption         =   "&Simpan "
   forecolor       =   16744576
   forehover       =   255
   BeginProperty font
      name            =   "MS Sans Serif"
      size            =   8.25
      weight          =   400
      italic          =   0
      underline       =   0
      strikethrough   =   0
   EndProperty
End
Begin XPButtonX XPButton3
   Container       =   "Frame4"
   Left            =   6000
   Top             =   360
   Width           =   1215
   Height          =   375
   ToolTipText     =   "Tutup CPU"
   _extentx        =   2143
   _extenty        =   661
   caption         =   "&Close"
   forecolor       =   16744576
   forehover       =   255
   BeginProperty font
      name            =   "Verdana"
      size            =   8.25
      weight          =   400
      italic          =   0
      underline       =   0
      strikethrough   =   0
   EndProperty
End
