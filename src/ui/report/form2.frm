Begin XPButtonX XPButtonX1
   Left            =   1080
   Top             =   3240
   Width           =   1215
   Height          =   375
   _extentx        =   2143
   _extenty        =   661
   caption         =   "&Print Now"
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
   Left            =   2640
   Top             =   3240
   Width           =   1215
   Height          =   375
   _extentx        =   2143
   _extenty        =   661
   caption         =   "&Cancel"
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
