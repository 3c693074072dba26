Begin XPButtonX XPButtonX1
   Left            =   4320
   Top             =   3120
   Width           =   1215
   Height          =   375
   _extentx        =   2143
   _extenty        =   661
   caption         =   "&OK"
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
Begin XPButtonX XPButtonX2
   Left            =   4320
   Top             =   3720
   Width           =   1215
   Height          =   375
   _extentx        =   2143
   _extenty        =   661
   caption         =   "Sistem Info"
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
